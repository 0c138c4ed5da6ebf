#include "textnum/text_fit.h"

#include <algorithm>

namespace numoria {
namespace {

// The widest stretch from kNarrowestStretch to 100 at which the text fits,
// or kNarrowestStretch when none does; a bisection, since each width costs
// a font.
[[nodiscard]] int WidestStretch(int pixel_size, int available,
                                const std::function<int(const TextFit&)>& width) {
  int fits = kNarrowestStretch - 1;  // widest known to fit
  int too_wide = 101;                // narrowest known not to
  while (too_wide - fits > 1) {
    const int middle = (fits + too_wide) / 2;
    (width({middle, pixel_size}) <= available ? fits : too_wide) = middle;
  }
  return std::max(fits, kNarrowestStretch);
}

}  // namespace

TextFit FitText(int pixel_size, int available, const std::function<int(const TextFit&)>& width) {
  if (width({100, pixel_size}) <= available) return {100, pixel_size};
  const int smallest = std::max(1, pixel_size * kSmallestSizePercent / 100);
  int size = pixel_size;
  while (size > smallest && width({kNarrowestStretch, size}) > available) --size;
  return {WidestStretch(size, available, width), size};
}

}  // namespace numoria

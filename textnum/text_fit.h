#pragma once

// How an output control draws a text too wide for it: narrower, never cut.
// A capital amount of ten digits or a price in exponent form must be read
// whole; a text that fits keeps the control's own face and size.

#include <functional>

namespace numoria {

// A way to draw a text: its horizontal stretch in percent of the face's own
// width, and its pixel size.
struct TextFit {
  int stretch = 100;
  int pixel_size = 0;
  friend bool operator==(const TextFit&, const TextFit&) = default;
};

// The narrowest stretch used before the size goes down, and the smallest
// size as a share of the control's own, in percent.
inline constexpr int kNarrowestStretch = 75;
inline constexpr int kSmallestSizePercent = 50;

// The widest way to draw a text within available pixels, starting from the
// control's pixel_size at stretch 100: unchanged when it fits; otherwise the
// largest size, from the control's own down to kSmallestSizePercent of it,
// at which the text fits at kNarrowestStretch or wider, drawn at the widest
// stretch that fits there (at the smallest size, the narrowest stretch even
// if it does not fit). width(fit) is the text's width drawn so; it is taken
// to grow with stretch and size.
[[nodiscard]] TextFit FitText(int pixel_size, int available,
                              const std::function<int(const TextFit&)>& width);

}  // namespace numoria

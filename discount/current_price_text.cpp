#include "discount/current_price_text.h"

namespace numoria {

std::u16string CurrentPriceNumber(std::u16string_view caption) {
  // A price is always written as its number followed by "元"; the notice
  // for a price that is not a number ends otherwise.
  constexpr std::u16string_view kYuan = u"元";
  if (caption.size() <= kYuan.size() || !caption.ends_with(kYuan)) return {};
  return std::u16string(caption.substr(0, caption.size() - kYuan.size()));
}

}  // namespace numoria

#include "discount/discount.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "textnum/runtime_error.h"
#include "textnum/textnum.h"

namespace numoria {
namespace {

constexpr std::u16string_view kNotAPrice = u"请输入正确的原价";

// price * v / 10, in that order so the shown digits are those of the plain
// product; only where that product leaves the double range (a price near the
// largest double) is v / 10, at most 1, applied first.
[[nodiscard]] double CurrentPrice(double price, std::int16_t discount) {
  const double tenths = discount;
  const double product = price * tenths;
  return std::isfinite(product) ? product / 10 : price * (tenths / 10);
}

// Labxj's caption. A price that is not a number gets a prompt rather than
// the previous caption, which would belong to another discount.
[[nodiscard]] std::u16string CurrentPriceText(std::u16string_view price_text,
                                              std::int16_t discount) {
  double price = 0;
  try {
    price = StrictNumber(price_text);
  } catch (const RuntimeError&) {
    return std::u16string(kNotAPrice);
  }
  return NumberText(CurrentPrice(price, discount)) + u"元";
}

}  // namespace

void HScroll1_Change(Controls& controls) {
  const std::int16_t discount = controls.Value(u"HScroll1");
  // The discount is shown first: it holds whatever the price text is.
  controls.SetCaption(u"Labzhe", IntegerText(discount) + u"折");
  controls.SetCaption(u"Labxj", CurrentPriceText(controls.Text(u"Text2"), discount));
}

}  // namespace numoria

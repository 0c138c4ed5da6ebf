#include "discount/discount.h"

#include <cmath>

#include "textnum/runtime_error.h"
#include "textnum/textnum.h"

namespace numoria {
namespace {

constexpr std::u16string_view kNotAPrice = u"请输入正确的原价";
constexpr std::u16string_view kYuan = u"元";

}  // namespace

// In that order so the shown digits are those of the plain product; only
// where that product leaves the double range (a price near the largest
// double) is discount / 10, at most 1, applied first.
double CurrentPrice(double price, std::int16_t discount) {
  const double tenths = discount;
  const double product = price * tenths;
  return std::isfinite(product) ? product / 10 : price * (tenths / 10);
}

// A price that is not a number gets a prompt rather than the previous
// caption, which would belong to another discount.
std::u16string CurrentPriceText(std::u16string_view price_text, std::int16_t discount) {
  double price = 0;
  try {
    price = StrictNumber(price_text);
  } catch (const RuntimeError&) {
    return std::u16string(kNotAPrice);
  }
  return NumberText(CurrentPrice(price, discount)) + std::u16string(kYuan);
}

std::u16string CurrentPriceNumber(std::u16string_view caption) {
  if (caption.size() <= kYuan.size() || !caption.ends_with(kYuan)) return {};
  return std::u16string(caption.substr(0, caption.size() - kYuan.size()));
}

}  // namespace numoria

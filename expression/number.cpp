#include "expression/number.h"

#include <array>
#include <cmath>

#include "textnum/textnum.h"

namespace numoria::expression {
namespace {

// 10^0 … 10^22 are exact doubles; 2^53 is the largest mantissa below which
// every integer is one.
constexpr std::array<double, 23> kExactPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr std::uint64_t kExactMantissa = std::uint64_t{1} << 53;
constexpr int kExactScale = 22;

}  // namespace

bool DecimalValue(const DecimalDigits& digits, std::u16string_view spelling,
                  double& value) noexcept {
  if (!digits.truncated && digits.mantissa == 0) {
    value = 0.0;
    return true;
  }
  // Both operands exact, so the one rounding of * or / is the correct one.
  if (!digits.truncated && digits.mantissa <= kExactMantissa && digits.scale >= -kExactScale &&
      digits.scale <= kExactScale) {
    const auto mantissa = static_cast<double>(digits.mantissa);
    value = digits.scale >= 0 ? mantissa * kExactPowersOfTen[digits.scale]
                              : mantissa / kExactPowersOfTen[-digits.scale];
    return true;
  }
  try {
    value = NumericValue(spelling);
    return std::isfinite(value);
  } catch (...) {
    return false;  // overflow
  }
}

}  // namespace numoria::expression

#pragma once

// The value of a decimal number read from a formula. Most numbers a person
// types have few digits and a small exponent; those are converted exactly in
// one double operation. The rest are read in full by NumericValue.

#include <cstdint>
#include <string_view>

namespace numoria::expression {

// The digits of a number as the scanner meets them.
struct DecimalDigits {
  std::uint64_t mantissa = 0;  // the significant digits, while there are at most 19
  int significant = 0;         // digits in mantissa; leading zeros do not count
  int scale = 0;               // power of ten of mantissa's last digit, exponent included
  bool truncated = false;      // more than 19 significant digits: mantissa is incomplete

  void Take(unsigned digit, bool fraction) noexcept {
    if (significant == kMostDigits) {
      truncated = true;
      return;
    }
    if (mantissa != 0 || digit != 0) {
      mantissa = mantissa * 10 + digit;
      ++significant;
    }
    if (fraction) --scale;
  }

  static constexpr int kMostDigits = 19;  // 10^19 - 1 still fits 64 bits
};

// Sets value to the double nearest to the number spelt by `spelling`, whose
// digits `digits` summarises. False when the number lies beyond the double
// range; a number too small for a double becomes 0 or a denormal.
[[nodiscard]] bool DecimalValue(const DecimalDigits& digits, std::u16string_view spelling,
                                double& value) noexcept;

}  // namespace numoria::expression

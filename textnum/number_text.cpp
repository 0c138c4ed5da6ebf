#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "textnum/textnum.h"

namespace numoria {
namespace {

constexpr int kSignificantDigits = 15;

// DBL_MAX (1.7976931348623157E+308) cut to 15 digits. Rounding the largest
// doubles up would write a text above the double range that could not be
// read back, so there the digits are cut instead.
constexpr std::string_view kLargestDigits = "179769313486231";
constexpr int kLargestExponent = 308;

// A value rounded to 15 significant digits: digits d1 d2 ... (no trailing
// zeros) times 10^(exponent - digits + 1), i.e. d1.d2... E exponent.
struct RoundedDecimal {
  std::string digits;
  int exponent = 0;
};

[[nodiscard]] RoundedDecimal RoundToSignificant(double magnitude) {
  // "d.ddddddddddddddde+xxx" at most.
  std::array<char, 32> buffer{};
  const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                          std::chars_format::scientific, kSignificantDigits - 1);
  const std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
  const std::size_t mark = text.find('e');

  RoundedDecimal rounded;
  rounded.digits.push_back(text[0]);
  rounded.digits.append(text.substr(2, mark - 2));
  const std::string_view exponent_text = text.substr(text[mark + 1] == '+' ? mark + 2 : mark + 1);
  std::from_chars(exponent_text.data(), exponent_text.data() + exponent_text.size(),
                  rounded.exponent);

  if (rounded.exponent == kLargestExponent && rounded.digits > kLargestDigits) {
    rounded.digits = kLargestDigits;
  }
  rounded.digits.erase(rounded.digits.find_last_not_of('0') + 1);
  return rounded;
}

// d[.ddd]E+xx with at least two exponent digits.
[[nodiscard]] std::string ExponentForm(const RoundedDecimal& rounded) {
  std::string text(1, rounded.digits.front());
  if (rounded.digits.size() > 1) {
    text.push_back('.');
    text.append(rounded.digits, 1);
  }
  text.push_back('E');
  text.push_back(rounded.exponent < 0 ? '-' : '+');
  const int power = std::abs(rounded.exponent);
  if (power < 10) {
    text.push_back('0');
  }
  text.append(std::to_string(power));
  return text;
}

// Plain digits with a "." where needed; exponent is from -4 to 14.
[[nodiscard]] std::string PlainForm(const RoundedDecimal& rounded) {
  if (rounded.exponent < 0) {
    return "0." + std::string(static_cast<std::size_t>(-rounded.exponent - 1), '0') +
           rounded.digits;
  }
  const auto integer_digits = static_cast<std::size_t>(rounded.exponent) + 1;
  if (rounded.digits.size() <= integer_digits) {
    return rounded.digits + std::string(integer_digits - rounded.digits.size(), '0');
  }
  return rounded.digits.substr(0, integer_digits) + '.' + rounded.digits.substr(integer_digits);
}

[[nodiscard]] std::u16string Widen(std::string_view ascii) { return {ascii.begin(), ascii.end()}; }

}  // namespace

std::u16string NumberText(double value) {
  if (!std::isfinite(value)) {
    throw RuntimeError(ErrorNumber::kOverflow);
  }
  if (value == 0.0) {
    return u"0";
  }
  const RoundedDecimal rounded = RoundToSignificant(std::fabs(value));
  // The form follows the rounded value, so 999999999999999.9 is "1E+15".
  const bool exponent_form = rounded.exponent >= kSignificantDigits || rounded.exponent < -4;
  std::string text = exponent_form ? ExponentForm(rounded) : PlainForm(rounded);
  if (value < 0) {
    text.insert(text.begin(), '-');
  }
  return Widen(text);
}

}  // namespace numoria

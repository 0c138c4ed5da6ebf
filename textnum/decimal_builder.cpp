#include "textnum/decimal_builder.h"

#include <charconv>
#include <system_error>

#include "textnum/runtime_error.h"

namespace numoria {
namespace {

// A tie between two neighbouring doubles has at most 767 significant
// digits, so the first 800 digits plus "was anything non-zero dropped"
// decide the rounding exactly.
constexpr std::size_t kKeptDigits = 800;

// Exponents are saturated here: far beyond the decimal range of a double
// (about 1E-324 to 1E+308 plus any digit count that fits in memory), yet
// safe from int64 overflow.
constexpr std::int64_t kExponentCap = 1'000'000'000'000;

// Powers of ten outside these bounds are certainly overflow or underflow.
constexpr std::int64_t kHighestFinite = 309;
constexpr std::int64_t kLowestNonZero = -325;

}  // namespace

void DecimalBuilder::AddSignificant(char16_t digit) {
  if (digits_.size() < kKeptDigits) {
    digits_.push_back(static_cast<char>(digit));
  } else if (digit != u'0') {
    sticky_ = true;
  }
}

void DecimalBuilder::AddIntegerDigit(char16_t digit) {
  if (!digits_.empty()) {
    ++lead_exponent_;
    AddSignificant(digit);
  } else if (digit != u'0') {
    lead_exponent_ = 0;
    AddSignificant(digit);
  }
}

void DecimalBuilder::AddFractionDigit(char16_t digit) {
  ++fraction_position_;
  if (!digits_.empty()) {
    AddSignificant(digit);
  } else if (digit != u'0') {
    lead_exponent_ = -fraction_position_;
    AddSignificant(digit);
  }
}

void DecimalBuilder::AddExponentDigit(char16_t digit) noexcept {
  if (exponent_ < kExponentCap) {
    exponent_ = exponent_ * 10 + (digit - u'0');
  }
}

double DecimalBuilder::Value() const {
  if (digits_.empty()) {
    return 0.0;
  }
  const double zero = negative_ ? -0.0 : 0.0;
  const std::int64_t power = lead_exponent_ + (exponent_negative_ ? -exponent_ : exponent_);
  if (power > kHighestFinite) {
    throw RuntimeError(ErrorNumber::kOverflow);
  }
  if (power < kLowestNonZero) {
    return zero;
  }
  // d.ddd...[1]e<power>: a compact ASCII form that from_chars rounds exactly.
  std::string text;
  text.reserve(digits_.size() + 32);
  text.push_back(digits_.front());
  text.push_back('.');
  text.append(digits_, 1);
  if (sticky_) {
    text.push_back('1');
  }
  text.push_back('e');
  text.append(std::to_string(power));

  double magnitude = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude,
                                            std::chars_format::scientific);
  if (error == std::errc::result_out_of_range) {
    // from_chars reports both ends of the range alike; only the high one is
    // an error.
    if (power > 0) {
      throw RuntimeError(ErrorNumber::kOverflow);
    }
    return zero;
  }
  return negative_ ? -magnitude : magnitude;
}

}  // namespace numoria

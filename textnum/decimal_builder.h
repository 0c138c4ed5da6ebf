#pragma once

// Gathers a decimal number digit by digit, as a reader walks a text, and
// turns it into the correctly rounded double. Both NumericValue and
// StrictNumber feed it; it keeps memory and time bounded whatever the length
// of the digits or the size of the exponent.

#include <cstddef>
#include <cstdint>
#include <string>

namespace numoria {

class DecimalBuilder {
 public:
  void SetNegative(bool negative) noexcept { negative_ = negative; }
  void SetExponentNegative(bool negative) noexcept { exponent_negative_ = negative; }

  // Each takes one ASCII digit value '0'..'9' (as char16_t).
  void AddIntegerDigit(char16_t digit);
  void AddFractionDigit(char16_t digit);
  void AddExponentDigit(char16_t digit) noexcept;

  // The double nearest to the number gathered (0 when no digit was added).
  // Raises overflow (6) beyond the double range; underflow gives 0 or a
  // denormal with the sign kept.
  [[nodiscard]] double Value() const;

 private:
  void AddSignificant(char16_t digit);

  bool negative_ = false;
  bool exponent_negative_ = false;
  // Significant digits from the first non-zero one, at most kKeptDigits.
  std::string digits_;
  // A non-zero digit was dropped past kKeptDigits.
  bool sticky_ = false;
  // Decimal exponent of the first significant digit, before the exponent part.
  std::int64_t lead_exponent_ = 0;
  // Fraction digits read so far (to place a first significant digit there).
  std::int64_t fraction_position_ = 0;
  // The exponent part's magnitude, saturated far beyond any double's range.
  std::int64_t exponent_ = 0;
};

}  // namespace numoria

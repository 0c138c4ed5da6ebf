#pragma once

// The pieces both written forms of an amount share: the split at the point,
// the digit check, the 32-bit limit and the words of the integer part.

#include <cstddef>
#include <string>
#include <string_view>

namespace numoria {

// A typed amount split at its first "."; `fraction` is everything after it,
// a second "." included.
struct AmountParts {
  std::u16string_view integer;
  std::u16string_view fraction;
};

[[nodiscard]] AmountParts SplitAtPoint(std::u16string_view text);

// Whether every character is an ASCII digit (true for the empty text).
[[nodiscard]] bool AllDigits(std::u16string_view text);

// The numeral of an ASCII digit character (CapitalDigit of its value).
[[nodiscard]] std::u16string DigitWord(char16_t digit);

// The digits of an integer part without its leading zeros.
[[nodiscard]] std::u16string_view SignificantDigits(std::u16string_view digits);

// Whether digits without leading zeros fit a 32-bit signed integer.
[[nodiscard]] bool FitsInt32(std::u16string_view digits);

// The capital text of at most ten digits with no leading zero, read in
// groups of four places (units, 万, 亿); "" for no digits. `zero_pending`
// tells whether zeros stood before them that count as a run.
[[nodiscard]] std::u16string IntegerWords(std::u16string_view digits, bool zero_pending);

}  // namespace numoria

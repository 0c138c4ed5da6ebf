#pragma once

// The pieces both written forms of an amount share: the split at the point,
// the digit check, the 32-bit limit and the words of the integer part.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace numoria {

inline constexpr std::array<std::u16string_view, 10> kCapitalDigits = {
    u"零", u"壹", u"贰", u"叁", u"肆", u"伍", u"陆", u"柒", u"捌", u"玖"};

// Indexed by place - 1; the group units 万 and 亿 sit at every fourth entry.
inline constexpr std::array<std::u16string_view, 10> kCapitalUnits = {
    u"", u"拾", u"佰", u"仟", u"万", u"拾", u"佰", u"仟", u"亿", u"拾"};

// A typed amount split at its first "."; `fraction` is everything after it,
// a second "." included.
struct AmountParts {
  std::u16string_view integer;
  std::u16string_view fraction;
};

[[nodiscard]] AmountParts SplitAtPoint(std::u16string_view text);

// Whether every character is an ASCII digit (true for the empty text).
[[nodiscard]] bool AllDigits(std::u16string_view text);

// The numeral of an ASCII digit character.
[[nodiscard]] std::u16string_view DigitWord(char16_t digit);

// The digits of an integer part without its leading zeros.
[[nodiscard]] std::u16string_view SignificantDigits(std::u16string_view digits);

// Whether digits without leading zeros fit a 32-bit signed integer.
[[nodiscard]] bool FitsInt32(std::u16string_view digits);

// The capital text of at most ten digits with no leading zero, read in
// groups of four places (units, 万, 亿); "" for no digits. `zero_pending`
// tells whether zeros stood before them that count as a run.
[[nodiscard]] std::u16string IntegerWords(std::u16string_view digits, bool zero_pending);

}  // namespace numoria

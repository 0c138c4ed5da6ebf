#pragma once

// Reading the characters of a formula: blanks, single tokens, and the two
// factors that are read straight from the text, X and numbers. Positions are
// 0-based offsets into the text and never pass its end. Everything here is
// inline: it runs once or more for every character of a formula.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "expression/number.h"

namespace numoria::expression {

// Blank = " "   (the space alone; a tab is an ordinary character)
inline void SkipBlanks(std::u16string_view text, std::size_t& pos) noexcept {
  while (pos < text.size() && text[pos] == u' ') ++pos;
}

// True when the character at pos is token; the end of the text matches
// nothing. The position does not move: the caller takes what it matched.
[[nodiscard]] inline bool MatchAt(std::u16string_view text, char16_t token,
                                  std::size_t pos) noexcept {
  return pos < text.size() && text[pos] == token;
}

// True when the characters from pos on start with token.
[[nodiscard]] inline bool MatchAt(std::u16string_view text, std::u16string_view token,
                                  std::size_t pos) noexcept {
  return text.size() - pos >= token.size() && text.substr(pos, token.size()) == token;
}

[[nodiscard]] inline bool IsDigitAt(std::u16string_view text, std::size_t pos) noexcept {
  return pos < text.size() && text[pos] >= u'0' && text[pos] <= u'9';
}

// Takes digits and blanks from pos on; returns the position after them.
[[nodiscard]] inline std::size_t TakeDigits(std::u16string_view text, std::size_t pos,
                                            DecimalDigits& digits, bool fraction) noexcept {
  for (; pos < text.size(); ++pos) {
    const char16_t c = text[pos];
    const auto digit = static_cast<unsigned>(c) - u'0';
    if (digit <= 9) {
      digits.Take(digit, fraction);
    } else if (c != u' ') {
      break;
    }
  }
  return pos;
}

// Exponent = "E" [ ("+" | "-") ] { digit | " " }, pos just after the "E".
// A sign belongs to the exponent only when it stands before the first
// exponent digit and a digit follows it (blanks may come between); otherwise
// the number ends at the sign, which is then a binary operator ("2E-X").
[[nodiscard]] inline std::size_t TakeExponent(std::u16string_view text, std::size_t pos,
                                              DecimalDigits& digits) noexcept {
  std::size_t sign_at = pos;
  SkipBlanks(text, sign_at);
  bool negative = false;
  if (MatchAt(text, u'+', sign_at) || MatchAt(text, u'-', sign_at)) {
    std::size_t digit_at = sign_at + 1;
    SkipBlanks(text, digit_at);
    if (!IsDigitAt(text, digit_at)) return sign_at;
    negative = text[sign_at] == u'-';
    pos = digit_at;
  }
  constexpr int kLargeEnough = 1'000'000;  // far beyond any double; stops int overflow
  int exponent = 0;
  for (; pos < text.size(); ++pos) {
    const char16_t c = text[pos];
    const auto digit = static_cast<unsigned>(c) - u'0';
    if (digit <= 9) {
      if (exponent < kLargeEnough) exponent = exponent * 10 + static_cast<int>(digit);
    } else if (c != u' ') {
      break;
    }
  }
  digits.scale += negative ? -exponent : exponent;
  return pos;
}

enum class Scanned : std::uint8_t {
  kNothing,  // neither X nor a digit: only blanks were taken
  kValue,
  kError,  // a number or X beyond the double range
};

// Factor = "X" | Number | …   (the two factors read straight from the text)
// Number = digit { digit | " " } [ "." { digit | " " } ] [ Exponent ]
// A number takes the blanks behind it, X is followed by SkipBlanks. The
// value is that of exactly the characters scanned, blanks ignored.
[[nodiscard]] inline Scanned ScanNumberOrX(std::u16string_view text, std::size_t& pos, double x,
                                           double& value) noexcept {
  SkipBlanks(text, pos);
  if (MatchAt(text, u'X', pos)) {
    ++pos;
    SkipBlanks(text, pos);
    value = x;
    return std::isfinite(x) ? Scanned::kValue : Scanned::kError;
  }
  if (!IsDigitAt(text, pos)) return Scanned::kNothing;
  const std::size_t start = pos;
  DecimalDigits digits;
  pos = TakeDigits(text, pos, digits, false);
  if (MatchAt(text, u'.', pos)) pos = TakeDigits(text, pos + 1, digits, true);
  if (MatchAt(text, u'E', pos)) pos = TakeExponent(text, pos + 1, digits);
  return DecimalValue(digits, text.substr(start, pos - start), value) ? Scanned::kValue
                                                                      : Scanned::kError;
}

}  // namespace numoria::expression

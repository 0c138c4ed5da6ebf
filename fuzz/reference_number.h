#pragma once

// Independent readings of number texts, built on the C library, to compare
// the textnum conversions against. Only for texts of ASCII characters.

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace numoria::fuzz {

[[nodiscard]] inline bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// strtod of an ASCII text; nullopt when the value lies beyond the double
// range. Underflow is not an error: it gives 0 or a denormal.
[[nodiscard]] inline std::optional<double> ReadDouble(const std::string& text) {
  const double value = std::strtod(text.c_str(), nullptr);
  if (std::isinf(value)) {
    return std::nullopt;
  }
  return value;
}

// The value NumericValue must give: with blanks, tabs and line feeds dropped,
// the longest leading [+-]?digits[.digits]([EeDd][+-]?digits)? that holds a
// digit before its exponent, or 0 when there is none. nullopt: overflow.
[[nodiscard]] inline std::optional<double> ReferenceValue(std::u16string_view text) {
  std::u16string s;
  for (const char16_t c : text) {
    if (c != u' ' && c != u'\t' && c != u'\n') {
      s.push_back(c);
    }
  }
  s.push_back(u'\0');  // the end never fits, so no bounds checks below
  std::string number;
  std::size_t i = 0;
  std::size_t digits = 0;
  if (s[i] == u'+' || s[i] == u'-') {
    number.push_back(static_cast<char>(s[i++]));
  }
  for (; IsDigit(s[i]); ++i, ++digits) {
    number.push_back(static_cast<char>(s[i]));
  }
  if (s[i] == u'.') {
    number.push_back('.');
    for (++i; IsDigit(s[i]); ++i, ++digits) {
      number.push_back(static_cast<char>(s[i]));
    }
  }
  if (digits == 0) {
    return 0.0;
  }
  if (s[i] == u'E' || s[i] == u'e' || s[i] == u'D' || s[i] == u'd') {
    std::string exponent = "e";
    std::size_t j = i + 1;
    if (s[j] == u'+' || s[j] == u'-') {
      exponent.push_back(static_cast<char>(s[j++]));
    }
    const std::size_t first_digit = j;
    for (; IsDigit(s[j]); ++j) {
      exponent.push_back(static_cast<char>(s[j]));
    }
    if (j > first_digit) {
      number += exponent;
    }
  }
  return ReadDouble(number);
}

// The number StrictNumber must accept: blanks around
// [+-]?(int[.digits]|.digits)([EeDd][+-]?digits)?, where int is digits or
// groups d{1,3}(,ddd)+, as ASCII for strtod (commas dropped, exponent mark
// "e"), or nullopt for any other text.
[[nodiscard]] inline std::optional<std::string> PlainNumber(std::u16string_view text) {
  const auto first = text.find_first_not_of(u' ');
  if (first == std::u16string_view::npos) {
    return std::nullopt;
  }
  text = text.substr(first, text.find_last_not_of(u' ') - first + 1);
  std::string out;
  std::size_t i = 0;
  const auto digits_from = [&] {
    const std::size_t start = i;
    while (i < text.size() && IsDigit(text[i])) {
      out.push_back(static_cast<char>(text[i++]));
    }
    return i - start;
  };
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
    out.push_back(static_cast<char>(text[i++]));
  }
  std::size_t digits = digits_from();
  if (i < text.size() && text[i] == u',') {
    if (digits == 0 || digits > 3) {
      return std::nullopt;
    }
    while (i < text.size() && text[i] == u',') {
      ++i;
      const std::size_t group = digits_from();
      if (group != 3) {
        return std::nullopt;
      }
      digits += group;
    }
  }
  if (i < text.size() && text[i] == u'.') {
    out.push_back(static_cast<char>(text[i++]));
    digits += digits_from();
  }
  if (digits == 0) {
    return std::nullopt;
  }
  if (i < text.size() && std::u16string_view(u"EeDd").find(text[i]) != std::u16string_view::npos) {
    out.push_back('e');
    ++i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
      out.push_back(static_cast<char>(text[i++]));
    }
    if (digits_from() == 0) {
      return std::nullopt;
    }
  }
  if (i != text.size()) {
    return std::nullopt;
  }
  return out;
}

// x rounded to 15 significant digits. When rounding to nearest would pass
// the largest double, the 15 digits are cut instead (one step toward zero),
// which is the closest 15-digit text that still reads back.
[[nodiscard]] inline double Rounded15(double x) {
  char text[40];
  std::snprintf(text, sizeof text, "%.14e", x);
  if (const auto nearest = ReadDouble(text)) {
    return *nearest;
  }
  // Only the top of the range gets here: mantissa 1.79769313486232 rounded
  // up, never ending in 0, so stepping the last digit down needs no borrow.
  char* last = std::strchr(text, 'e') - 1;
  *last = static_cast<char>(*last - 1);
  return std::strtod(text, nullptr);
}

}  // namespace numoria::fuzz

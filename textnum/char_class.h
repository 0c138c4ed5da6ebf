#pragma once

// Character tests shared by the number readers. Only ASCII counts: full-width
// digits and other scripts' digits are not numbers here.

#include <cstddef>
#include <string_view>

namespace numoria {

[[nodiscard]] constexpr bool IsDigit(char16_t c) noexcept { return c >= u'0' && c <= u'9'; }

[[nodiscard]] constexpr bool IsSign(char16_t c) noexcept { return c == u'+' || c == u'-'; }

// "E" or "D" in either case opens an exponent.
[[nodiscard]] constexpr bool IsExponentMark(char16_t c) noexcept {
  return c == u'E' || c == u'e' || c == u'D' || c == u'd';
}

// Whether digits and commas stand as whole groups of three digits after one
// to three leading ones: "1000", "1,000", "12,345,678"; not "12,5", ",5",
// "12," or "1,,000". Anything but digits and commas groups nothing.
[[nodiscard]] constexpr bool GroupsThousands(std::u16string_view digits) noexcept {
  std::size_t group = 0;  // digits since the last ","
  bool first = true;
  for (const char16_t c : digits) {
    if (IsDigit(c)) {
      ++group;
      continue;
    }
    if (c != u',' || group == 0 || (first ? group > 3 : group != 3)) return false;
    first = false;
    group = 0;
  }
  return first || group == 3;
}

}  // namespace numoria

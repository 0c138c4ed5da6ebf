#pragma once

// Character tests shared by the number readers. Only ASCII counts: full-width
// digits and other scripts' digits are not numbers here.

namespace numoria {

[[nodiscard]] constexpr bool IsDigit(char16_t c) noexcept { return c >= u'0' && c <= u'9'; }

[[nodiscard]] constexpr bool IsSign(char16_t c) noexcept { return c == u'+' || c == u'-'; }

// "E" or "D" in either case opens an exponent.
[[nodiscard]] constexpr bool IsExponentMark(char16_t c) noexcept {
  return c == u'E' || c == u'e' || c == u'D' || c == u'd';
}

}  // namespace numoria

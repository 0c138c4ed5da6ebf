#pragma once

// Text and number conventions shared by every tool: how a text is read as a
// number, how a number is written, the 16/32-bit integer conversions and the
// 1-based string operations. Texts are UTF-16; positions count code units.
// Failures raise numoria::RuntimeError.

#include <cstdint>
#include <string>
#include <string_view>

#include "textnum/runtime_error.h"

namespace numoria {

// The numeric value of a text: blanks, tabs and line feeds are ignored, an
// optional sign, digits with at most one ".", an optional exponent ("E"/"D",
// either case, optional sign). Reading stops at the first character that does
// not fit; nothing read gives 0. A value beyond the double range raises
// overflow (6).
[[nodiscard]] double NumericValue(std::u16string_view text);

// The general number text: 15 significant digits, trailing zeros dropped,
// exponent form from 1E15 up and below 0.0001 ("1E-05"), "." as the decimal
// point whatever the locale. -0 is "0".
[[nodiscard]] std::u16string NumberText(double value);

// Decimal digits with a leading "-" for negatives.
[[nodiscard]] std::u16string IntegerText(std::int16_t value);

// A text that must be a number: blanks around it are ignored, "," may group
// digits, "." is the decimal point. Raises type mismatch (13) otherwise, and
// overflow (6) beyond the double range.
[[nodiscard]] double StrictNumber(std::u16string_view text);

// Round half to even, then range-check (overflow, 6). Texts are read with
// StrictNumber first.
[[nodiscard]] std::int16_t ToInt16(double value);
[[nodiscard]] std::int16_t ToInt16(std::u16string_view text);
[[nodiscard]] std::int32_t ToInt32(double value);
[[nodiscard]] std::int32_t ToInt32(std::u16string_view text);

// 1-based string operations. A negative length or a start below 1 raises
// invalid argument (5).
[[nodiscard]] std::u16string Left(std::u16string_view s, std::int32_t n);
[[nodiscard]] std::u16string Right(std::u16string_view s, std::int32_t n);
[[nodiscard]] std::u16string Mid(std::u16string_view s, std::int32_t start, std::int32_t n);
[[nodiscard]] std::u16string Mid(std::u16string_view s, std::int32_t start);
// 1-based position of the first occurrence of sub in s, 0 when absent or
// when s is empty.
[[nodiscard]] std::int32_t InStr(std::u16string_view s, std::u16string_view sub);
[[nodiscard]] std::int32_t Len(std::u16string_view s);

}  // namespace numoria

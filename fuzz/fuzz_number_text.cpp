// The text and number conventions under any input.
//   Texts: NumericValue gives a finite double or raises overflow (6);
//   StrictNumber gives a finite double or raises type mismatch (13) or
//   overflow (6); ToInt16/ToInt32 agree with StrictNumber rounded half to
//   even or raise 6 outside their range. Over number-like characters both
//   readers are compared with strtod, and StrictNumber refuses exactly the
//   texts that are no number ("," only between whole groups of three).
//   Doubles: NumberText has the shape -?digits(.digits)?(E[+-]dd+)? with at
//   most 15 significant digits, is plain from 0.001 up to 1E15, and reads
//   back through both readers to x rounded to 15 digits.
//   The 1-based string operations match their std::u16string counterparts.
//
// Input: the first byte chooses the mode, modulo 4:
//   0  the bytes as UTF-16 code units;     1  8 bytes as a double;
//   2  one number-like character a byte;   3  start (int32), length (int32),
//      a split byte, then UTF-16 text cut into a string and a sought text.

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz/fuzz_input.h"
#include "fuzz/reference_number.h"
#include "textnum/textnum.h"

namespace {

using numoria::RuntimeError;
using numoria::fuzz::Bits;
using numoria::fuzz::Bytes;
using numoria::fuzz::Check;
using numoria::fuzz::Fail;
using numoria::fuzz::IsDigit;

constexpr std::u16string_view kNumberCharacters = u" \t\n0123456789012345.+-EeDd,.";

// The error number a call raised, or 0 when it returned; anything other than
// a RuntimeError escapes and ends the run.
template <typename Call>
[[nodiscard]] int ErrorOf(Call call) {
  try {
    (void)call();
  } catch (const RuntimeError& error) {
    return error.number();
  }
  return 0;
}

void CheckNumericValue(std::u16string_view text, bool compare) {
  try {
    const double value = numoria::NumericValue(text);
    Check(std::isfinite(value), "NumericValue gave a value that is not finite", text);
    if (compare) {
      const auto expected = numoria::fuzz::ReferenceValue(text);
      Check(expected.has_value(), "NumericValue read a value beyond the double range", text);
      Check(value == *expected, "NumericValue differs from the correctly rounded value", text);
    }
  } catch (const RuntimeError& error) {
    Check(error.number() == 6, "NumericValue raised an error other than overflow", text);
    Check(!compare || !numoria::fuzz::ReferenceValue(text), "NumericValue overflowed on a value in range", text);
  }
}

// Round half to even under the default rounding mode; error is the one the
// reading of a text raised, which its conversion must raise too.
template <typename Int, typename Convert>
void CheckIntegerConversion(double value, int error, Convert convert, std::u16string_view text) {
  Int result = 0;
  const int raised = ErrorOf([&] { return result = convert(); });
  if (error != 0) {
    Check(raised == error, "ToInt16/ToInt32 raised another error than StrictNumber", text);
    return;
  }
  const double rounded = std::nearbyint(value);
  const bool fits = rounded >= static_cast<double>(std::numeric_limits<Int>::min()) &&
                    rounded <= static_cast<double>(std::numeric_limits<Int>::max());
  Check(raised == (fits ? 0 : 6), "ToInt16/ToInt32 range check is wrong", text);
  Check(!fits || result == static_cast<Int>(rounded), "ToInt16/ToInt32 rounded wrongly", text);
}

void CheckStrictNumber(std::u16string_view text, bool compare) {
  double value = 0;
  const int error = ErrorOf([&] { return value = numoria::StrictNumber(text); });
  Check(error == 0 || error == 13 || error == 6, "StrictNumber raised an error other than 13 or 6", text);
  Check(error != 0 || std::isfinite(value), "StrictNumber gave a value that is not finite", text);
  CheckIntegerConversion<std::int16_t>(value, error, [&] { return numoria::ToInt16(text); }, text);
  CheckIntegerConversion<std::int32_t>(value, error, [&] { return numoria::ToInt32(text); }, text);
  if (!compare) {
    return;
  }
  const auto plain = numoria::fuzz::PlainNumber(text);
  if (!plain) {
    Check(error == 13, "StrictNumber accepted a text that is no number", text);
    return;
  }
  const auto expected = numoria::fuzz::ReadDouble(*plain);
  Check(error == (expected ? 0 : 6), "StrictNumber refused a plain number", text);
  Check(!expected || value == *expected, "StrictNumber differs from the correctly rounded value", text);
}

// -?digits(.digits)?(E[+-]dd+)?, no leading zero before other integer digits,
// no trailing zero in the fraction, one non-zero digit before the point in
// exponent form, no superfluous exponent zeros, at most 15 significant digits.
[[nodiscard]] bool WellShaped(std::u16string_view t, bool& exponent_form) {
  std::size_t i = t.starts_with(u'-') ? 1 : 0;
  const std::size_t integer_start = i;
  while (i < t.size() && IsDigit(t[i])) ++i;
  const std::size_t integer_digits = i - integer_start;
  if (integer_digits == 0 || (integer_digits > 1 && t[integer_start] == u'0')) return false;
  std::size_t significant = t[integer_start] == u'0' ? 0 : integer_digits;
  if (i < t.size() && t[i] == u'.') {
    const std::size_t fraction_start = ++i;
    while (i < t.size() && IsDigit(t[i])) ++i;
    if (i == fraction_start || t[i - 1] == u'0') return false;
    const auto fraction = t.substr(fraction_start, i - fraction_start);
    significant += significant > 0 ? fraction.size() : fraction.size() - fraction.find_first_not_of(u'0');
  }
  exponent_form = i < t.size() && t[i] == u'E';
  if (exponent_form) {
    if (integer_digits != 1 || t[integer_start] == u'0') return false;
    if (++i >= t.size() || (t[i] != u'+' && t[i] != u'-')) return false;
    const std::size_t digits_start = ++i;
    while (i < t.size() && IsDigit(t[i])) ++i;
    const std::size_t digits = i - digits_start;
    if (digits < 2 || (digits > 2 && t[digits_start] == u'0')) return false;
  }
  return i == t.size() && significant <= 15;
}

void CheckNumberText(double x) {
  const std::u16string t = numoria::NumberText(x);
  bool exponent_form = false;
  Check(WellShaped(t, exponent_form) && t != u"-0", "NumberText is not a well-shaped number text", t);
  const double rounded = numoria::fuzz::Rounded15(x);
  const double magnitude = std::fabs(rounded);
  if (magnitude >= 1e15) {
    Check(exponent_form, "NumberText wrote 1E15 or more in plain form", t);
  } else if (magnitude >= 0.001) {
    Check(!exponent_form, "NumberText wrote a number from 0.001 up in exponent form", t);
  }
  double back = 0;
  double strict = 0;
  Check(ErrorOf([&] { return back = numoria::NumericValue(t); }) == 0, "NumericValue cannot read NumberText", t);
  Check(ErrorOf([&] { return strict = numoria::StrictNumber(t); }) == 0, "StrictNumber cannot read NumberText", t);
  Check(back == rounded, "NumberText does not read back as x rounded to 15 digits", t);
  Check(Bits(strict) == Bits(back), "StrictNumber and NumericValue read NumberText differently", t);
  Check(numoria::NumberText(back) == t, "NumberText of its own reading differs", t);
}

void CheckIntegers(double x) {
  const auto small = static_cast<std::int16_t>(Bits(x) & 0xFFFF);
  const std::string decimal = std::to_string(small);
  Check(numoria::IntegerText(small) == std::u16string(decimal.begin(), decimal.end()), "IntegerText is wrong",
        numoria::IntegerText(small));
  CheckIntegerConversion<std::int32_t>(x, 0, [&] { return numoria::ToInt32(x); }, numoria::NumberText(x));
}

void CheckDouble(Bytes bytes) {
  const double x = std::bit_cast<double>(numoria::fuzz::TakeInteger<std::uint64_t>(bytes));
  if (!std::isfinite(x)) {
    return;
  }
  CheckNumberText(x);
  CheckIntegers(x);
}

void CheckStringOperations(Bytes bytes) {
  const auto start = numoria::fuzz::TakeInteger<std::int32_t>(bytes);
  const auto length = numoria::fuzz::TakeInteger<std::int32_t>(bytes);
  const auto split = numoria::fuzz::TakeInteger<std::uint8_t>(bytes);
  const std::u16string all = numoria::fuzz::Utf16(bytes);
  const std::u16string_view s = std::u16string_view(all).substr(0, std::min<std::size_t>(split, all.size()));
  const std::u16string_view sub = std::u16string_view(all).substr(s.size());
  const auto size = static_cast<std::int64_t>(s.size());
  const auto at_most = [](std::int64_t n, std::int64_t limit) { return static_cast<std::size_t>(std::min(n, limit)); };

  Check(numoria::Len(s) == size, "Len is wrong", s);
  std::u16string got;
  const int left = ErrorOf([&] { return got = numoria::Left(s, length); });
  Check(length < 0 ? left == 5 : left == 0 && got == s.substr(0, at_most(length, size)), "Left is wrong", s);
  const int right = ErrorOf([&] { return got = numoria::Right(s, length); });
  Check(length < 0 ? right == 5 : right == 0 && got == s.substr(s.size() - at_most(length, size)), "Right is wrong", s);
  const auto from = static_cast<std::int64_t>(start) - 1;
  const int mid = ErrorOf([&] { return got = numoria::Mid(s, start, length); });
  Check(start < 1 || length < 0 ? mid == 5 : mid == 0 && got == (from >= size ? u"" : s.substr(from, at_most(length, size))),
        "Mid(s, start, n) is wrong", s);
  const int rest = ErrorOf([&] { return got = numoria::Mid(s, start); });
  Check(start < 1 ? rest == 5 : rest == 0 && got == (from >= size ? u"" : s.substr(from)), "Mid(s, start) is wrong", s);
  // Nothing is found in an empty text, not even an empty one.
  const auto found = s.empty() ? std::u16string_view::npos : s.find(sub);
  Check(numoria::InStr(s, sub) == (found == std::u16string_view::npos ? 0 : static_cast<std::int32_t>(found) + 1),
        "InStr is wrong", s);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Bytes rest(data, size);
  switch (numoria::fuzz::TakeInteger<std::uint8_t>(rest) % 4) {
    case 0: {
      const std::u16string text = numoria::fuzz::Utf16(rest);
      CheckNumericValue(text, false);
      CheckStrictNumber(text, false);
      break;
    }
    case 1:
      CheckDouble(rest);
      break;
    case 2: {
      const std::u16string text = numoria::fuzz::FromAlphabet(rest, kNumberCharacters);
      CheckNumericValue(text, true);
      CheckStrictNumber(text, true);
      break;
    }
    default:
      CheckStringOperations(rest);
      break;
  }
  return 0;
}

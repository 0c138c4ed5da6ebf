#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "tests/support/checks.h"
#include "textnum/textnum.h"

namespace numoria {
namespace {

using testing::ExpectError;

constexpr std::int64_t kOverflow = std::numeric_limits<std::int64_t>::min();

TEST(ToInteger, RoundsHalfToEvenOrOverflows) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  // clang-format off
  const struct { double input; std::int64_t int16, int32; } kCases[] = {
      {2.5, 2, 2}, {3.5, 4, 4}, {-2.5, -2, -2}, {-3.5, -4, -4}, {0.5, 0, 0}, {1.5, 2, 2},
      {-0.4, 0, 0}, {2.6, 3, 3}, {0.49999999999999994, 0, 0}, {32767.4, 32767, 32767},
      {-32768.5, -32768, -32768}, {32767.5, kOverflow, 32768}, {-32768.6, kOverflow, -32769},
      {40000, kOverflow, 40000}, {2147483647.4, kOverflow, 2147483647},
      {-2147483648.5, kOverflow, -2147483648}, {2147483647.5, kOverflow, kOverflow},
      {-2147483649.0, kOverflow, kOverflow}, {1e300, kOverflow, kOverflow},
      {kInf, kOverflow, kOverflow}, {-kInf, kOverflow, kOverflow},
      {std::numeric_limits<double>::quiet_NaN(), kOverflow, kOverflow}};
  // clang-format on
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.input);
    const auto check = [&](auto convert, std::int64_t want) {
      if (want == kOverflow) {
        ExpectError(ErrorNumber::kOverflow, [&] { (void)convert(c.input); });
      } else {
        EXPECT_EQ(convert(c.input), want);
      }
    };
    check([](double v) { return ToInt16(v); }, c.int16);
    check([](double v) { return ToInt32(v); }, c.int32);
  }
  EXPECT_EQ(ToInt16(u" 2.5 "), 2);
  EXPECT_EQ(ToInt32(u"1,000"), 1000);
  ExpectError(ErrorNumber::kOverflow, [] { (void)ToInt16(u"40000"); });
  ExpectError(ErrorNumber::kTypeMismatch, [] { (void)ToInt16(u"abc"); });
  ExpectError(ErrorNumber::kTypeMismatch, [] { (void)ToInt32(u""); });
}

// IntegerText, Len, Left, Right, Mid and InStr are compared with the standard
// library in fuzz_number_text, whose seeds hold their edges.

TEST(RuntimeError, NumbersAndDescriptions) {
  // clang-format off
  const struct { ErrorNumber kind; int number; std::u16string_view description; } kCases[] = {
      {ErrorNumber::kInvalidArgument, 5, u"无效的过程调用或参数"}, {ErrorNumber::kOverflow, 6, u"溢出"},
      {ErrorNumber::kDivisionByZero, 11, u"除数为零"}, {ErrorNumber::kTypeMismatch, 13, u"类型不匹配"}};
  // clang-format on
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.number);
    const RuntimeError error(c.kind);
    EXPECT_EQ(error.number(), c.number);
    EXPECT_EQ(error.description(), c.description);
  }
}

}  // namespace
}  // namespace numoria

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

#include "tests/support/checks.h"
#include "textnum/textnum.h"

namespace numoria {
namespace {

using testing::ExpectError;
using testing::Narrow;

struct ValueCase {
  std::u16string input;
  double want;
};

TEST(NumericValue, ReadsAsFarAsTheTextFits) {
  // clang-format off
  const ValueCase kCases[] = {
      {u"", 0}, {u"ERROR", 0}, {u"abc", 0}, {u".", 0}, {u"-", 0}, {u"+-5", 0}, {u"E5", 0},
      {u"12.5", 12.5}, {u".5", 0.5}, {u"12abc", 12}, {u"1,000", 1}, {u"1.2.3", 1.2}, {u"-7", -7},
      {u"1E+15", 1e15}, {u"5 E 3", 5000}, {u"2E", 2}, {u"2E-", 2}, {u" 1 2.5", 12.5},
      {u"1e3", 1000}, {u"1d2", 100}, {u"1D-2", 0.01}, {u"+\t4\n2", 42}, {u"- 1.5e-3", -0.0015},
      {u"1E3.5", 1000}, {u"007.50", 7.5}, {u"0.000123", 0.000123}, {u"1\r2", 1}, {u"１２", 0},
      {u"0E99999", 0}, {u"1E-400", 0}, {u"1E-99999999999999999999", 0},
      {u"4.9E-324", 4.9406564584124654e-324}, {u"1.7976931348623158E308", DBL_MAX},
      {u"9007199254740993", 9007199254740992.0},  // a tie goes to the even neighbour
      // A trailing 1 far past the first 800 digits still breaks the tie upwards.
      {u"9007199254740993." + std::u16string(5000, u'0') + u"1", 9007199254740994.0},
      {u"0." + std::u16string(40000, u'0') + u"25E40001", 2.5},
      {std::u16string(50000, u'1') + u"E-49999", 1.1111111111111112}};
  // clang-format on
  for (const auto& c : kCases) {
    SCOPED_TRACE(Narrow(c.input.substr(0, 40)));
    EXPECT_EQ(NumericValue(c.input), c.want);
  }
  EXPECT_TRUE(std::signbit(NumericValue(u"-1E-400")));  // underflow keeps the sign
}

TEST(StrictNumber, ReadsCompleteNumbers) {
  // clang-format off
  const ValueCase kCases[] = {
      {u"12", 12}, {u"  -2.5  ", -2.5}, {u"1,000", 1000}, {u"12,345.6", 12345.6},
      {u"-1,234,567.25", -1234567.25}, {u"999,000E-3", 999}, {u"1.", 1}, {u".5", 0.5}, {u"+1d-2", 0.01},
      {u"-2.5E3", -2500}, {u"3e+2", 300}, {u"1E-400", 0}, {u"0E99999", 0},
      {u"4.94065645841247E-324", 4.9406564584124654e-324}};
  // clang-format on
  for (const auto& c : kCases) {
    SCOPED_TRACE(Narrow(c.input));
    EXPECT_EQ(StrictNumber(c.input), c.want);
  }
}

TEST(NumberReading, ErrorsOfBothReaders) {
  const std::u16string kOverflows[] = {u"1E400", u"-1E309", u"1.797693134862316E308",
                                       u"1E99999999999999999999", std::u16string(309, u'9')};
  for (const auto& input : kOverflows) {
    SCOPED_TRACE(Narrow(input));
    ExpectError(ErrorNumber::kOverflow, [&] { (void)NumericValue(input); });
  }
  const std::u16string_view kCases[] = {
      u"",   u"   ",  u"abc",   u"12元", u"1 2",   u"--1", u"0x10", u"1e", u"1e+",  u",1",
      u"1,", u"1,,0", u"1.0,0", u".",    u"1.2.3", u"\t1", u"E5",   u"+",  u"1,.5", u"12abc",
      u"12,5", u"1,2,3", u"1,0000", u"1,00", u",5",  u"12,",  u"1,,000", u"1234,567", u"1,000,00",
      u"1,0",
  };
  for (const auto input : kCases) {
    SCOPED_TRACE(Narrow(input));
    ExpectError(ErrorNumber::kTypeMismatch, [&] { (void)StrictNumber(input); });
  }
  ExpectError(ErrorNumber::kOverflow, [] { (void)StrictNumber(u"1E400"); });
}

}  // namespace
}  // namespace numoria

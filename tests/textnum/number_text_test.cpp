#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <limits>
#include <string>

#include "tests/support/checks.h"
#include "textnum/textnum.h"

namespace numoria {
namespace {

using testing::ExpectError;

TEST(NumberText, WritesTheGeneralForm) {
  // clang-format off
  const struct { double input; std::u16string_view want; } kCases[] = {
      {1.0 / 3, u"0.333333333333333"}, {0.1 + 0.2, u"0.3"}, {3, u"3"}, {2.50, u"2.5"},
      {-0.25, u"-0.25"}, {0.0, u"0"}, {-0.0, u"0"}, {100, u"100"}, {1e14, u"100000000000000"},
      {123456789012345.0, u"123456789012345"}, {999999999999999.4, u"999999999999999"},
      {999999999999999.9, u"1E+15"}, {-1e15, u"-1E+15"},
      {123456789012345678.0, u"1.23456789012346E+17"}, {1e100, u"1E+100"},
      {1.7e308, u"1.7E+308"}, {0.0001, u"0.0001"}, {0.00012345, u"0.00012345"},
      {0.00009999999999999999, u"0.0001"}, {9.99999999999999e-5, u"9.99999999999999E-05"},
      {1e-5, u"1E-05"}, {1.5e-7, u"1.5E-07"}, {-1e-10, u"-1E-10"},
      {4.9406564584124654e-324, u"4.94065645841247E-324"},
      // The largest doubles would round above the double range: cut instead.
      {DBL_MAX, u"1.79769313486231E+308"}, {-DBL_MAX, u"-1.79769313486231E+308"}};
  // clang-format on
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.input);
    EXPECT_EQ(NumberText(c.input), c.want);
  }
  for (const double input : {std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN()}) {
    SCOPED_TRACE(input);
    ExpectError(ErrorNumber::kOverflow, [&] { (void)NumberText(input); });
  }
}

TEST(NumberText, PointIsDotInACommaLocale) {
  // Restores the process locale on the way out.
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  struct Restore {
    const std::string& locale;
    ~Restore() { std::setlocale(LC_ALL, locale.c_str()); }
  } const guard{saved};
  bool switched = false;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "ru_RU.UTF-8"}) {
    if (std::setlocale(LC_ALL, name) != nullptr && std::localeconv()->decimal_point[0] == ',') {
      switched = true;
      break;
    }
  }
  if (!switched) GTEST_SKIP() << "no locale with a decimal comma installed";
  EXPECT_EQ(NumberText(2.5), u"2.5");
  EXPECT_EQ(NumberText(1.5e-7), u"1.5E-07");
  EXPECT_EQ(NumericValue(u"2.5"), 2.5);
  EXPECT_EQ(StrictNumber(u"1,002.5"), 1002.5);
}

}  // namespace
}  // namespace numoria

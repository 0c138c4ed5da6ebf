#include "expression/evaluator.h"

#include <gtest/gtest.h>

#include <limits>
#include <span>
#include <string>
#include <string_view>

#include "tests/support/checks.h"

namespace numoria {
namespace {

using testing::Narrow;

constexpr double kPi = 3.141592653589793;

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Case {
  std::u16string_view formula;
  double want = 0.0;
  double x = 1.0;
};

// clang-format off
constexpr Case kSuccesses[] = {
    {u"2*(3+4)", 14}, {u"1+2*3", 7}, {u"2*3+1", 7}, {u"10-3-2", 5}, {u"8/4/2", 1},
    {u"10/2*5", 25}, {u"1-2+3", 2}, {u"0.1+0.2-0.3", 0.1 + 0.2 - 0.3}, {u"1/3*3", 1.0 / 3 * 3},
    {u"-3+5", 2}, {u"-(1+2)", -3}, {u"+3", 3}, {u"- 3", -3}, {u"2*(-3)", -6},
    {u"1-(-2)", 3}, {u"-2+3", 1}, {u"-2*3", -6}, {u"-0", -0.0}, {u"0*(-1)", -0.0},
    {u"-0*5", -0.0}, {u"-0+0", 0.0}, {u"  ( 1 + 2 ) * 3  ", 9},
    {u"1 000", 1000}, {u"1+2 3", 24}, {u"1 .5", 1.5}, {u"1. 5", 1.5}, {u"007", 7},
    {u"1.", 1}, {u"1E3", 1000}, {u"1.5E2", 150}, {u"2E", 2}, {u"2E*3", 6}, {u"5 E 3", 5000},
    {u"X", 1}, {u"X*X+1", 5, 2}, {u"-X", -1}, {u"X", -0.0, -0.0}, {u"X  *2", 2},
    // Numbers are correctly rounded, with and without the short-number path.
    {u"9007199254740992", 9007199254740992.0}, {u"9007199254740993", 9007199254740992.0},
    {u"123456789012345678901234567890", 123456789012345678901234567890.0},
    {u"0.1000000000000000055511151231257827", 0.1}, {u"1E22", 1e22}, {u"1E23", 1e23},
    {u"0.000001", 0.000001}, {u"1E-22", 1e-22}, {u"1E-23", 1e-23},
    {u"1.7976931348623157E308", 1.7976931348623157e308}, {u"1E-400", 0.0},
    {u"4.9E-324", 4.9e-324}, {u"0E400", 0.0}, {u"1E0000000000000000000000002", 100},
    {u"1E-300/1E300", 0.0}, {u"EXP(-1000)", 0.0}, {u"POW(10,-400)", 0.0},
    // A sign after "E" belongs to the number when a digit follows it.
    {u"1E-5", 0.00001}, {u"1E+5", 100000}, {u"1E -5", 0.00001}, {u"1E - 5", 0.00001},
    {u"1E- 5*2", 0.00002}, {u"2E-X", 1}, {u"2E -X", 1}, {u"2E+X", 3}, {u"1E5-5", 99995},
    {u"1E5 5", 1e55}, {u"1.5E-3", 0.0015}, {u"-1E-2", -0.01}, {u"2E-(1)", 1},
    // Functions and groups.
    {u"SIN(0)", 0}, {u"COS(0)", 1}, {u"TAN(0)", 0}, {u"SIN(X)", 0.8414709848078965},
    {u"-SIN(X)", -0.8414709848078965}, {u"LOG(100)", 2}, {u"LOG(1000)", 2.9999999999999996},
    {u"LN(1)", 0}, {u"EXP(0)", 1}, {u"LN(EXP(2))", 2}, {u"ARCTAN(1)*4", kPi},
    {u"ARCSIN(1)", kPi / 2}, {u"ARCSIN(-1)", -kPi / 2}, {u"ARCSIN(0.5)", 0.5235987755982989},
    {u"ARCCOS(1)", 0}, {u"ARCCOS(-1)", kPi}, {u"ARCCOS(0)", kPi / 2},
    {u"ARCCOS(0.5)", 1.0471975511965976}, {u"ARCSIN(0.99999999999999989)", 1.5707963118937354},
    {u"POW(2,10)", 1024}, {u"POW(2,-1)", 0.5}, {u"POW(-2,3)", -8}, {u"POW(-2,2)", 4},
    {u"POW( 2 , 3 )", 8}, {u"POW (2,3)", 8}, {u"POW(POW(2,2),3)", 64}, {u"POW(2,3)*2", 16},
    {u"POW(X,2)", 9, 3}, {u"POW(0,0)", 1}, {u"POW(2,POW(2,(1+1)))-1", 15},
    {u"SIN (0)", 0}, {u"( 1 )", 1}, {u"((2))", 2}, {u"(((1+2)*3))", 9}, {u"(1+2) * 3", 9},
    {u"SIN(0) +1", 1}, {u"EXP(709.78)", 1.7928227943945155e308},
};
// clang-format on

// A failure returns 0, or the Expression's value when only text is left after it.
// clang-format off
constexpr Case kFailures[] = {
    // Malformed.
    {u"2*-3"}, {u"1+-2"}, {u"1--2"}, {u"--5"}, {u"-+5"}, {u"-"}, {u""}, {u"   "}, {u".5"},
    {u"x"}, {u"（1+2）"}, {u"1+"}, {u"2*"}, {u"*2"}, {u"ABC"}, {u"2E-"}, {u"1+(2"},
    {u"SIN 0"}, {u"SIN0"}, {u"SINE(0)"}, {u"SIN()"}, {u"SIN(0"}, {u"()"}, {u"(1+2"},
    {u"(1+2;3)"}, {u"S IN(0)"}, {u"POW(2)"}, {u"POW(2;3)"}, {u"POW(2,3"}, {u"POW 2,3"},
    {u"POW(2,3,4)"}, {u"POW(,3)"}, {u"sin(0)"}, {u"LN"}, {u"("}, {u")"}, {u","},
    // Text left over after a complete Expression.
    {u"1+2)", 3}, {u"2X", 2}, {u"X X", 1}, {u"1,5", 1}, {u"2^3", 2}, {u"2(3)", 2},
    {u"2×3", 2}, {u"1.2.3", 1.2}, {u"1e3", 1}, {u"1D3", 1}, {u"1\t+2", 1}, {u"(1+2))", 3},
    {u"2*(3))", 6}, {u"7 ,5", 7},
    // Run-time errors.
    {u"1/0"}, {u"0/0"}, {u"1/(1-1)"}, {u"1E400"}, {u"1E308*10"}, {u"1E308+1E308"},
    {u"-1E308-1E308"}, {u"1E300/1E-300"}, {u"1E200*1E200"}, {u"1.7976931348623159E308"},
    {u"LN(0)"}, {u"LN(-0)"}, {u"LOG(-1)"}, {u"LOG(0)"}, {u"ARCSIN(2)"},
    {u"ARCSIN(1.0000000000000002)"}, {u"ARCCOS(-1.5)"}, {u"ARCSIN(1E200)"}, {u"EXP(1000)"},
    {u"EXP(709.8)"}, {u"POW(-8,0.5)"}, {u"POW(0,-1)"}, {u"POW(-0,-1)"}, {u"POW(10,400)"},
    {u"(1/0)+1"}, {u"POW(1,2)/0"},
    // X beyond the double range.
    {u"X", 0, kInfinity}, {u"X*0", 0, -kInfinity}, {u"ARCTAN(X)", 0, kInfinity},
    {u"ARCTAN(X)", 0, kNaN}, {u"1+2*X", 0, -kInfinity},
};
// clang-format on

TEST(CalculateString, ValuesOfWellFormedFormulasAndFailuresOfTheRest) {
  for (const bool good : {true, false}) {
    for (const Case& c : good ? std::span<const Case>(kSuccesses) : kFailures) {
      SCOPED_TRACE(Narrow(c.formula));
      bool got_good = !good;
      testing::ExpectSameBits(CalculateString(c.formula, got_good, c.x), c.want);
      EXPECT_EQ(got_good, good);
    }
  }
}

TEST(CalculateString, LongestFormulaIs32766Characters) {
  const std::u16string longest = std::u16string(kLongestFormula - 1, u' ') + u'1';
  for (const auto& [formula, want] : {std::pair{longest, 1.0}, std::pair{u" " + longest, 0.0},
                                      std::pair{longest + std::u16string(50'000, u' '), 0.0}}) {
    bool good = want == 0.0;
    EXPECT_EQ(CalculateString(formula, good, 1.0), want);
    EXPECT_EQ(good, want == 1.0);
  }
}

}  // namespace
}  // namespace numoria

// NumberText and the readers must agree: a written number reads back as the
// value rounded to 15 significant digits, whatever the value.

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "textnum/textnum.h"

namespace numoria {
namespace {

// The double nearest to x rounded to 15 significant digits, worked out with
// the C library; the largest doubles are cut rather than rounded up.
double RoundedTo15(double x) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.14e", x);
  const double rounded = std::strtod(buffer, nullptr);
  return std::isinf(rounded) ? std::copysign(1.79769313486231e308, x) : rounded;
}

void CheckRoundTrip(double x) {
  const std::u16string text = NumberText(x);
  const double back = NumericValue(text);
  const double want = RoundedTo15(x);
  const bool exponent_form = text.find(u'E') != std::u16string::npos;
  if (back != want || StrictNumber(text) != back || NumberText(back) != text ||
      exponent_form != (want != 0 && (std::fabs(want) >= 1e15 || std::fabs(want) < 1e-4))) {
    ADD_FAILURE() << "x=" << std::hexfloat << x << " text=" << std::string(text.begin(), text.end());
  }
}

TEST(RoundTrip, EdgeValues) {
  std::vector<double> values = {0.0,     DBL_MIN, DBL_TRUE_MIN, 2.2250738585072009e-308,
                                DBL_MAX, 0.5,     1.0 / 3,      999999999999999.5};
  for (double below_max = DBL_MAX; values.size() < 28;) {
    values.push_back(below_max = std::nextafter(below_max, 0.0));
  }
  for (int power = -7; power <= 17; ++power) {
    const double ten = std::pow(10.0, power);
    values.insert(values.end(), {ten, std::nextafter(ten, 0.0), std::nextafter(ten, 1e300),
                                 ten * (1 - 1e-15), ten * (1 - 4e-16)});
  }
  for (std::uint64_t bits = 1; bits < (1ULL << 52); bits = bits * 3 + 1) {
    values.push_back(std::bit_cast<double>(bits));  // denormals
  }
  for (const double x : values) {
    CheckRoundTrip(x);
    CheckRoundTrip(-x);
  }
}

}  // namespace
}  // namespace numoria

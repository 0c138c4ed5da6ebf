#pragma once

// The exact values of the seven functions, from MPFR: the correctly rounded
// double (53 bits, round to nearest even, the double exponent range with its
// subnormals), and the error of a result in units of the last place.
// Thread-safe: MPFR keeps its exponent range and constants per thread.

#include <cstdint>

#include "tests/maths/maths_functions.h"

namespace numoria::maths_test {

// The double nearest f(x, y), IEEE 754 special values and signed zeros included.
[[nodiscard]] double CorrectlyRounded(Function f, double x, double y);

// |got - f(x, y)| in units of the last place of the exact value's binade
// (2^-1074 at the least); infinite when got is infinite or NaN and the exact
// value is not.
[[nodiscard]] double UlpError(Function f, double x, double y, double got);

// How far f(x, y) lies from the midpoint between two doubles, in ulps (0 to
// 0.5): the smaller, the harder to round. 0.5 for special results.
[[nodiscard]] double DistanceToMidpoint(Function f, double x, double y);

struct Comparison {
  double got;
  double want;
  bool correct;  // bit for bit (any NaN for NaN)
  double ulps;   // 0 when correct
};

// Our result beside MPFR's.
[[nodiscard]] Comparison Compare(Function f, double x, double y);

// The error tally of one function over many arguments.
struct Tally {
  std::uint64_t count = 0;
  std::uint64_t misrounded = 0;
  double max_ulps = 0;
  double worst_x = 0;
  double worst_y = 0;

  void Add(const Comparison& c, double x, double y);
  void Merge(const Tally& other);
};

}  // namespace numoria::maths_test

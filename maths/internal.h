#pragma once

// The building blocks the functions share: the double-double cores of the
// exponential and the logarithm (Pow uses both), the reduction modulo pi/2
// and the exact cases of the power.

#include <cstdint>

#include "maths/double_double.h"

namespace numoria::maths {

// v * 2^e.
struct Scaled {
  DD v;
  int e;
};

// exp(t) for |t.hi| <= 746, relative error below 2^-100.
[[nodiscard]] Scaled ExpCore(DD t) noexcept;

// log(x) for finite x > 0, relative error below 2^-101.
[[nodiscard]] DD LogCore(double x) noexcept;

// x = q pi/2 + r, |r| <= pi/4 (and r = x when |x| <= pi/4), r with a
// relative error below 2^-103; quadrant is q mod 4.
struct Reduced {
  DD r;
  int quadrant;
};
[[nodiscard]] Reduced ReduceHalfPi(double x) noexcept;

// The fast paths of Sin or Cos, and of Tan, for finite |x| >= 2^-27: true
// with the correctly rounded result in out when they can decide.
[[nodiscard]] bool SinCosFast(double x, bool cosine, double& out) noexcept;
[[nodiscard]] bool TanFast(double x, double& out) noexcept;

// x^y for finite x > 0, x != 1, finite y != 0, when it is a dyadic number
// (exact or halfway between two doubles): then true with the correctly
// rounded result in out.
[[nodiscard]] bool ExactPower(double x, double y, double& out) noexcept;

}  // namespace numoria::maths

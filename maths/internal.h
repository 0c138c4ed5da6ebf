#pragma once

// The building blocks the functions share: the double-double cores of the
// exponential and the logarithm (Pow uses both), the reduction modulo pi/2
// and the exact cases of the power.

#include <cstdint>

#include "maths/double_double.h"
#include "maths/tables.h"

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

// The same with r as a triple-double, relative error below 2^-137.
struct ReducedPrecise {
  TD r;
  int quadrant;
};
[[nodiscard]] ReducedPrecise ReduceHalfPiPrecise(double x) noexcept;

// The fast paths of Sin or Cos, and of Tan, for finite |x| >= 2^-27: true
// with the correctly rounded result in out when they can decide.
[[nodiscard]] bool SinCosFast(double x, bool cosine, double& out) noexcept;
[[nodiscard]] bool TanFast(double x, double& out) noexcept;

// x^y for finite x > 0, x != 1, finite y != 0, when it is a dyadic number
// (exact or halfway between two doubles): then true with the correctly
// rounded result in out.
[[nodiscard]] bool ExactPower(double x, double y, double& out) noexcept;

// The slow paths, in triple-double: the correctly rounded result for the
// arguments whose double-double result lies too close to a rounding
// boundary (all but those within 2^-140 of one).
[[nodiscard]] double ExpSlow(double x) noexcept;
[[nodiscard]] double LogSlow(double x) noexcept;
[[nodiscard]] double PowSlow(double x, double y) noexcept;
[[nodiscard]] double SinCosSlow(double x, bool cosine) noexcept;
[[nodiscard]] double TanSlow(double x) noexcept;
[[nodiscard]] double AtanSlow(double x) noexcept;

}  // namespace numoria::maths

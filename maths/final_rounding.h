#pragma once

// The last step of every function: a double-double approximation v of the
// exact value divided by 2^e is rounded once to the nearest double (ties to
// even), subnormals and overflow included, and the rounding test decides
// whether the approximation is close enough to be sure of that double.

#include <bit>
#include <cstdint>

#include "maths/double_double.h"

namespace numoria::maths {

// 2^e for -1022 <= e <= 1023.
[[nodiscard]] inline double PowerOfTwo(int e) noexcept {
  return std::bit_cast<double>(static_cast<std::uint64_t>(e + 1023) << 52);
}

// (v.hi + v.lo) * 2^e rounded to nearest even; v.hi normal, |v.lo| <= |v.hi|.
[[nodiscard]] double RoundScaled(DD v, int e) noexcept;

// out := v * 2^e rounded. True when every number within rel_err * |v.hi| of
// v rounds to the same double: then, the exact value lying within that
// distance, out is correctly rounded. rel_err must exceed
// 2^-104 to cover the rounding of v.lo +- the bound.
[[nodiscard]] bool RoundIfSure(DD v, int e, double rel_err, double& out) noexcept;

// The rounding test of the fast paths: out := hi + lo rounded; true when
// every number within `bound` of hi + lo rounds to the same double. hi is
// the rounded sum or near it, |lo| well below |hi|.
[[nodiscard]] inline bool RoundFast(double hi, double lo, double bound, double& out) noexcept {
  out = hi + lo;
  return hi + (lo - bound) == hi + (lo + bound);
}

}  // namespace numoria::maths

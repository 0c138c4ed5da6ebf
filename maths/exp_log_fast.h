#pragma once

// The fast paths of the exponential and the logarithm, inline so that Pow,
// which chains them, pays no call. Their methods and error bounds are
// described in exp.cpp and log.cpp.

#include <bit>
#include <cstdint>

#include "maths/double_double.h"
#include "maths/final_rounding.h"
#include "maths/tables.h"

namespace numoria::maths {

struct LogReduction {
  int e;
  int index;
  DD u;
};

// x = 2^e y, y r = 1 + u exactly; x normal. y is the significand, or half
// of it from interval 91 on (where y would exceed 1.71).
[[nodiscard]] inline LogReduction ReduceLog(std::uint64_t bits) noexcept {
  int e = static_cast<int>(bits >> 52) - 1023;
  const int index = static_cast<int>((bits >> 44) & 255);
  const double y = std::bit_cast<double>((bits & 0x000FFFFFFFFFFFFFULL) | 0x3FF0000000000000ULL);
  e += index >= 182 ? 1 : 0;  // the table's r is halved there instead of y
  // r has at most 20 bits: y r is exact as p + ((yh r - p) + yl r).
  const double r = kLogTable[index].r;
  const double p = Rounded(y * r);
  const double yh = HighHalf(y);
  const double p_lo = (yh * r - p) + (y - yh) * r;
  return {e, index, FastTwoSum(p - 1.0, p_lo)};
}

// log1p(v) - v + v^2/2 for |v| < 2^-8, to 2^-75 |v|.
[[nodiscard]] inline double Log1pCubic(double v, double v2) noexcept {
  const auto k = [](int n) { return kInverse[n].hi; };
  const double a = k(3) - v * k(4);
  const double b = k(5) - v * k(6);
  const double d = k(7) - v * k(8);
  return (v * v2) * ((a + v2 * b) + (v2 * v2) * (d + v2 * k(9)));
}

// log(x 2^scale) for normal x > 0 (given by its bits), relative error below
// 2^-67 (for scale down to -52 too: e ln 2 stays exact and dominates).
[[nodiscard]] inline DD LogFast(std::uint64_t bits, int scale = 0) noexcept {
  const LogReduction red = ReduceLog(bits);
  const double v = red.u.hi;
  // v is a multiple of 2^-53 below 2^-8: vh, v to a multiple of 2^-30, has
  // 22 bits and vl = v - vh 22, so vh^2 and vh vl are exact.
  const double vh = (v + 0x1.8p22) - 0x1.8p22;
  const double vl = v - vh;
  const DD head = FastTwoSum(v, -0.5 * (vh * vh));
  const double square_lo = 2.0 * (vh * vl) + vl * vl;
  const double ed = red.e + scale;
  const TD& table = kLogTable[red.index].minus_log_r;
  const DD a = FastTwoSum(ed * kLn2Head, table.hi);  // |table.hi| < 0.16
  const DD h = TwoSum(a.hi, head.hi);
  const double lo = h.lo + a.lo + head.lo - 0.5 * square_lo + Log1pCubic(v, v * v) +
                    red.u.lo * (1.0 - v) + (ed * kLn2Tail.hi + table.mid);
  return {h.hi, lo};  // not renormalised: |lo| < 2^-15 |h.hi|
}

// exp(t) correctly rounded into out when the fast path can decide, given an
// extra relative error of t's own; false otherwise. |t.hi| <= 746.
[[nodiscard]] inline bool ExpFast(DD t, double extra_error, double& out) noexcept {
  const double shift = 0x1.8p52;
  const double kd = (t.hi * k128ByLn2 + shift) - shift;
  const auto k = static_cast<std::int64_t>(kd);
  const int e = static_cast<int>(k >> 7);
  const double rh = t.hi - kd * kLn2By128Part0;
  const double r1 = kd * kLn2By128Part1;
  const DD r0 = TwoSum(rh, -r1);
  // t.lo (up to 2^-44 for Pow) joins before the polynomial sees r.
  const DD r = TwoSum(r0.hi, (r0.lo + t.lo) - kd * kLn2By128Tail.hi);
  const double s = r.hi;
  const double sl = r.lo;
  const double q =
      (s * s) * (0.5 + s * (kInverseFactorial[3].hi +
                            s * (kInverseFactorial[4].hi +
                                 s * (kInverseFactorial[5].hi + s * kInverseFactorial[6].hi))));
  const TD& table = kExp2Table[k & 127];
  const DD p = TwoProduct(table.hi, s);
  const DD h = FastTwoSum(table.hi, p.hi);
  const double lo = h.lo + (p.lo + (table.hi * (sl + q) + table.mid * (1.0 + s)));
  const double bound = (0x1p-62 + extra_error) * h.hi;
  if (e < -1020 || e > 1022) {
    // A subnormal result, or one near overflow: the one rounding is made at
    // the scaled position, and so is the test: when both ends of the
    // interval round alike, that is the result.
    out = RoundScaled({h.hi, lo - bound}, e);
    return std::bit_cast<std::uint64_t>(out) ==
           std::bit_cast<std::uint64_t>(RoundScaled({h.hi, lo + bound}, e));
  }
  double rounded;
  if (!RoundFast(h.hi, lo, bound, rounded)) return false;
  out = rounded * PowerOfTwo(e);
  return true;
}

}  // namespace numoria::maths

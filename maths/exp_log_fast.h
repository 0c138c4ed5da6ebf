#pragma once

// The fast paths of the exponential and the logarithm, inline so that Pow,
// which chains them, pays no call. Their methods are described in exp.cpp
// and log.cpp, their error bounds here.

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

// x = 2^e y, y r = 1 + u.hi + u.lo exactly; x normal. y is the significand,
// or half of it from interval 182 on (where y would exceed 1.71). u.hi is y r
// rounded, minus 1 (exact, |u.hi| <= 2^-8, a multiple of 2^-53); u.lo its
// rounding error, |u.lo| <= 2^-53, not renormalised (0 where r = 1).
[[nodiscard]] inline LogReduction ReduceLogUnnormalised(std::uint64_t bits) noexcept {
  int e = static_cast<int>(bits >> 52) - 1023;
  const int index = static_cast<int>((bits >> 44) & 255);
  const double y = std::bit_cast<double>((bits & 0x000FFFFFFFFFFFFFULL) | 0x3FF0000000000000ULL);
  e += index >= 182 ? 1 : 0;  // the table's r is halved there instead of y
  // r has at most 20 bits: y r is exact as p + ((yh r - p) + yl r).
  const double r = kLogTable[index].r;
  const double p = Rounded(y * r);
  const double yh = HighHalf(y);
  const double p_lo = (yh * r - p) + (y - yh) * r;
  return {e, index, {p - 1.0, p_lo}};
}

// The same with u renormalised.
[[nodiscard]] inline LogReduction ReduceLog(std::uint64_t bits) noexcept {
  LogReduction red = ReduceLogUnnormalised(bits);
  red.u = FastTwoSum(red.u.hi, red.u.lo);
  return red;
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
// 2^-67 (for scale down to -52 too: e ln 2 stays exact and dominates), and
// absolute error below 2^-74.
//
// log(x) = ed ln 2 - log(r) + log1p(v + u.lo), v = u.hi. Exact: ed ln2_head
// + table.hi (a, FastTwoSum: |ed ln2_head| > 0.69 > |table.hi| or ed = 0),
// v - vh^2/2 (head), and a + head (h, FastTwoSum: |a.hi| >= 2.99 |v| unless
// a.hi = 0, checked over the table). The rest, lo, is a sum of terms whose
// partial sums stay below 2^-25: six roundings below 2^-78 each; the cubic
// part (below |v|^3/3 < 2^-25.6) is rounded to 6 ulps, 2^-76; its Taylor
// remainder is below 2^-83; u.lo (1 - v + v^2) differs from log1p(v + u.lo)
// - log1p(v) by u.lo v^3 < 2^-77; the tails of ln 2 and of the table below
// 2^-88. In all below 2^-74.4. Where ed = 0 and r != 1, |log x| >= 2^-9 and
// |v| < 2^-8.9, the terms and their roundings shrink with |v|^3; where r = 1,
// u.lo = 0 and all errors are relative to v: relative error below 2^-67.
[[nodiscard]] inline DD LogFast(std::uint64_t bits, int scale = 0) noexcept {
  const LogReduction red = ReduceLogUnnormalised(bits);
  const double v = red.u.hi;
  // v is a multiple of 2^-53 below 2^-8: vh, v to a multiple of 2^-30, has
  // 22 bits and vl = v - vh 22, so vh^2 and vh vl are exact.
  const double vh = (v + 0x1.8p22) - 0x1.8p22;
  const double vl = v - vh;
  const DD head = FastTwoSum(v, -0.5 * (vh * vh));
  const double square_lo = 2.0 * (vh * vl) + vl * vl;
  const double ed = red.e + scale;
  const TD& table = kLogTable[red.index].minus_log_r;
  const DD a = FastTwoSum(ed * kLn2Head, table.hi);
  const DD h = FastTwoSum(a.hi, head.hi);
  const double v2 = v * v;
  const double lo =
      ((h.lo + a.lo) + (head.lo - 0.5 * square_lo)) +
      ((Log1pCubic(v, v2) + red.u.lo * ((1.0 - v) + v2)) + (ed * kLn2Tail.hi + table.mid));
  return {h.hi, lo};  // not renormalised: |lo| < 2^-15 |h.hi|
}

// exp(t) correctly rounded into out when the fast path can decide, given an
// extra relative error of t's own; false otherwise. |t.hi| <= 746, |t.lo|
// <= 2^-30 (t need not be renormalised).
//
// Error of h.hi + lo, in units of table.hi (1 <= table.hi < 2, the result
// within 0.3 % of it): the Taylor remainder |s|^7/7! < 2^-71.9; q, below
// 2^-18, with four roundings (2^-51 relative) 2^-69; neglected: sl s 2^-70,
// table.mid (q + sl) 2^-71; the roundings of sl + q (2^-72) and of the
// product and three sums in lo (2^-71 each); r itself to 2^-82. Times
// table.hi < 2: relative error below 2^-66.5. Without a tail (t.lo = 0,
// Exp) r is not renormalised: |sl| < 2^-60.2 and sl s < 2^-68.7, below
// 2^-66.3 in all. The test allows 2^-64, which also covers the rounding of
// lo +- bound.
template <bool kWithTail = true>
[[nodiscard]] inline bool ExpFast(DD t, double extra_error, double& out) noexcept {
  const double shift = 0x1.8p52;
  const double kd = (t.hi * k128ByLn2 + shift) - shift;
  const auto k = static_cast<std::int64_t>(kd);
  const int e = static_cast<int>(k >> 7);
  const double rh = t.hi - kd * kLn2By128Part0;
  const double r1 = kd * kLn2By128Part1;
  const DD r0 = TwoSum(rh, -r1);
  // t.lo joins before the polynomial sees r: |r| stays below 2^-8.5, and the
  // two roundings below 2^-83.
  const double r_lo = (kWithTail ? r0.lo + t.lo : r0.lo) - kd * kLn2By128Tail.hi;
  const DD r = kWithTail ? TwoSum(r0.hi, r_lo) : DD{r0.hi, r_lo};
  const double s = r.hi;
  const double sl = r.lo;
  const auto c = [](int n) { return kInverseFactorial[n].hi; };
  const double s2 = s * s;
  const double q = s2 * ((0.5 + s * c(3)) + s2 * ((c(4) + s * c(5)) + s2 * c(6)));
  const TD& table = kExp2Table[k & 127];
  const DD p = TwoProduct(table.hi, s);
  const DD h = FastTwoSum(table.hi, p.hi);
  const double lo = h.lo + (p.lo + (table.hi * (sl + q) + table.mid * (1.0 + s)));
  const double bound = (0x1p-64 + extra_error) * h.hi;
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

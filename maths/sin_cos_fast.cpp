// The fast path of Sin, Cos and Tan. Reduction: for |x| <= 2^20, Cody and
// Waite with pi/2 in two 33-bit parts (k times each exact, k < 2^20) and a
// 53-bit third, r as a double-double with an absolute error below 2^-97;
// beyond, the exact reduction of reduce_half_pi.cpp. Evaluation: r = a + t,
// a = j/64, with sin a, cos a to 106 bits; sin t - t and cos t - 1 in double
// (remainders below 2^-81 |t| and 2^-70, rounding below 2^-68 of the
// result); the leading product cos a * t or sin a * t exact. Relative error
// of the evaluation below 2^-66 (2^-64 for the quotient of the tangent);
// the rounding test adds the error of r, so arguments near a multiple of
// pi/2 whose r lost its accuracy go to the double-double path.

#include <cmath>
#include <cstdint>

#include "maths/final_rounding.h"
#include "maths/internal.h"
#include "maths/tables.h"

namespace numoria::maths {
namespace {

constexpr double kHalfPiPart0 = 0x1.921fb544p+0;
constexpr double kHalfPiPart1 = 0x1.0b4611a6p-34;
constexpr double kHalfPiPart2 = 0x1.3198a2e037073p-69;
constexpr double kTwoByPi = 0x1.45f306dc9c883p-1;

// x = k pi/2 + r with an absolute error bound on r.
struct FastReduced {
  DD r;
  int quadrant;
  double error;
};

[[nodiscard]] inline FastReduced Reduce(double x) noexcept {
  const double a = x < 0.0 ? -x : x;
  if (a <= kQuarterPi.hi) return {{x, 0.0}, 0, 0.0};
  if (a > 0x1p20) {
    const Reduced red = ReduceHalfPi(x);
    return {red.r, red.quadrant, std::fabs(red.r.hi) * 0x1p-100};
  }
  const double shift = 0x1.8p52;
  const double kd = (x * kTwoByPi + shift) - shift;
  const DD s = TwoSum(x - kd * kHalfPiPart0, -(kd * kHalfPiPart1));
  const DD r = TwoSum(s.hi, s.lo - kd * kHalfPiPart2);
  return {r, static_cast<int>(static_cast<std::int64_t>(kd) & 3), 0x1p-97};
}

// The pieces shared by sine and cosine of r = +-(a + t), |r| <= pi/4.
struct Pieces {
  const SinCosEntry* entry;
  double th;
  double tl;
  double sin_minus_t;  // sin t - t
  double cos_minus_1;  // cos t - 1
  double sign;         // of r, +-1
};

// Signs are taken and applied by exact multiplications, not branches: the
// sign of an ordinary argument's r is as good as random, and a mispredicted
// branch costs as much as a third of the evaluation.
[[nodiscard]] inline Pieces Split(DD r) noexcept {
  const double sign = std::copysign(1.0, r.hi);
  const double a = std::fabs(r.hi);
  const int j = NearestIndex(a * 64.0);
  const double th = a - j / 64.0;
  const double tl = r.lo * sign;
  const double z = th * th;
  const auto c = [](int n) { return kInverseFactorial[n].hi; };
  const double sin_minus_t = th * z * (-c(3) + z * (c(5) - z * c(7)));
  const double cos_minus_1 = z * (-0.5 + z * (c(4) - z * (c(6) - z * c(8)))) - th * tl;
  return {&kSinCosTable[j], th, tl, sin_minus_t, cos_minus_1, sign};
}

// sin(a + t) = sin a + cos a t + sin a (cos t - 1) + cos a (sin t - t).
[[nodiscard]] inline DD SinOf(const Pieces& p) noexcept {
  const TD& s = p.entry->sin;
  const TD& c = p.entry->cos;
  const DD ct = TwoProduct(c.hi, p.th);
  const DD h = FastTwoSum(s.hi, ct.hi);
  const double lo = h.lo + ct.lo + (c.hi * p.tl + c.mid * p.th + s.mid) +
                    (s.hi * p.cos_minus_1 + c.hi * p.sin_minus_t);
  const DD v = FastTwoSum(h.hi, lo);
  return {v.hi * p.sign, v.lo * p.sign};
}

// cos(a + t) = cos a - sin a t + cos a (cos t - 1) - sin a (sin t - t).
[[nodiscard]] inline DD CosOf(const Pieces& p) noexcept {
  const TD& s = p.entry->sin;
  const TD& c = p.entry->cos;
  const DD st = TwoProduct(s.hi, p.th);
  const DD h = FastTwoSum(c.hi, -st.hi);
  const double lo = h.lo - st.lo - (s.hi * p.tl + s.mid * p.th - c.mid) +
                    (c.hi * p.cos_minus_1 - s.hi * p.sin_minus_t);
  return FastTwoSum(h.hi, lo);
}

// n / d with one division: q, n.hi times the reciprocal of d.hi, is within
// two ulps of n.hi / d.hi, so n.hi - q d.hi is exact and small, and its
// quotient by d taken through the same reciprocal errs by below 2^-104 of
// the result.
[[nodiscard]] inline DD Quotient(DD n, DD d) noexcept {
  const double inverse = 1.0 / d.hi;
  const double q = n.hi * inverse;
  const DD p = TwoProduct(q, d.hi);
  return FastTwoSum(q, (((n.hi - p.hi) - p.lo) + n.lo - q * d.lo) * inverse);
}

}  // namespace

bool SinCosFast(double x, bool cosine, double& out) noexcept {
  const FastReduced red = Reduce(x);
  const Pieces p = Split(red.r);
  const int turn = (red.quadrant + (cosine ? 1 : 0)) & 3;
  DD v = (turn & 1) == 0 ? SinOf(p) : CosOf(p);
  const double sign = 1.0 - static_cast<double>(turn & 2);
  v = {v.hi * sign, v.lo * sign};
  return RoundFast(v.hi, v.lo, std::fabs(v.hi) * 0x1p-63 + red.error, out);
}

bool TanFast(double x, double& out) noexcept {
  const FastReduced red = Reduce(x);
  if (red.r.hi == 0.0) return false;
  const Pieces p = Split(red.r);
  const DD s = SinOf(p);
  const DD c = CosOf(p);
  const DD v = (red.quadrant & 1) == 0 ? Quotient(s, c) : Quotient(Negate(c), s);
  const double relative = 0x1p-62 + 1.6 * red.error / std::fabs(red.r.hi);
  return RoundFast(v.hi, v.lo, std::fabs(v.hi) * relative, out);
}

}  // namespace numoria::maths

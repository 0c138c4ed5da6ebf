// Sin, Cos and Tan. Reduction: x = q pi/2 + r, |r| <= pi/4, exact (see
// reduce_half_pi.cpp), then r = a + t with a = j/64 the nearest table point
// and |t| <= 1/128. sin(a + t) = sin a cos t + cos a sin t and
// cos(a + t) = cos a cos t - sin a sin t with sin a, cos a from a table to
// 159 bits; the two terms never cancel by more than a factor of two.
// sin t = t (1 - t^2/3! + ... - t^10/11!), remainder below 2^-120 |t|;
// cos t = 1 - t^2/2! + ... - t^10/10!, remainder below 2^-113. Terms above
// 2^-52 are summed in double-double, the others in double. Relative error of
// the double-double sine and cosine below 2^-100, of the tangent (their
// quotient) below 2^-99.

#include <limits>

#include "maths/final_rounding.h"
#include "maths/internal.h"
#include "maths/maths.h"
#include "maths/tables.h"

namespace numoria::maths {
namespace {

constexpr double kSinCosError = 0x1p-99;
constexpr double kTanError = 0x1p-98;

[[nodiscard]] DD Coefficient(int n, bool negative) noexcept {
  const DD c = ToDD(kInverseFactorial[n]);
  return negative ? Negate(c) : c;
}

struct SinCos {
  DD sin;
  DD cos;
};

// sin t and cos t for |t| <= 1/128 + 2^-60.
[[nodiscard]] SinCos SinCosSmall(DD t) noexcept {
  const DD z = Multiply(t, t);
  const double zh = z.hi;
  DD s = {-kInverseFactorial[7].hi + zh * (kInverseFactorial[9].hi - zh * kInverseFactorial[11].hi),
          0.0};
  for (int n = 5; n >= 3; n -= 2) s = Add(Multiply(s, z), Coefficient(n, n == 3));
  s = Add(Multiply(s, z), 1.0);
  DD c = {kInverseFactorial[8].hi - zh * kInverseFactorial[10].hi, 0.0};
  for (int n = 6; n >= 2; n -= 2) c = Add(Multiply(c, z), Coefficient(n, n != 4));
  c = Add(Multiply(c, z), 1.0);
  return {Multiply(s, t), c};
}

// sin r and cos r for |r| <= pi/4 + 2^-60.
[[nodiscard]] SinCos SinCosReduced(DD r) noexcept {
  const bool negative = r.hi < 0.0;
  if (negative) r = Negate(r);
  const int j = NearestIndex(r.hi * 64.0);
  const DD t = TwoSum(r.hi - j / 64.0, r.lo);
  SinCos sc = SinCosSmall(t);
  if (j != 0) {
    const DD sa = ToDD(kSinCosTable[j].sin);
    const DD ca = ToDD(kSinCosTable[j].cos);
    sc = {Add(Multiply(sa, sc.cos), Multiply(ca, sc.sin)),
          Subtract(Multiply(ca, sc.cos), Multiply(sa, sc.sin))};
  }
  if (negative) sc.sin = Negate(sc.sin);
  return sc;
}

// The value of the function for a reduced argument: sin, cos or tan (kind
// 0, 1, 2) of x.
[[nodiscard]] DD TrigValue(const Reduced& red, int kind) noexcept {
  const SinCos sc = SinCosReduced(red.r);
  const int q = red.quadrant;
  if (kind == 2) return (q & 1) == 0 ? Divide(sc.sin, sc.cos) : Negate(Divide(sc.cos, sc.sin));
  const int turn = (q + kind) & 3;  // cos x = sin(x + pi/2)
  const DD v = (turn & 1) == 0 ? sc.sin : sc.cos;
  return turn >= 2 ? Negate(v) : v;
}

[[nodiscard]] bool Evaluate(double x, int kind, double& out) noexcept {
  const DD v = TrigValue(ReduceHalfPi(x), kind);
  return RoundIfSure(v, 0, kind == 2 ? kTanError : kSinCosError, out);
}

[[nodiscard]] bool Tiny(double x) noexcept { return x < 0x1p-27 && x > -0x1p-27; }

}  // namespace

// Below 2^-27, sin x and tan x round to x and cos x to 1: the next term is
// below a quarter of an ulp.
double Sin(double x) {
  if (Tiny(x)) return x;
  if (x - x != 0.0) return x - x;  // inf or NaN: NaN
  double out;
  if (SinCosFast(x, false, out)) return out;
  return Evaluate(x, 0, out) ? out : SinCosSlow(x, false);
}

double Cos(double x) {
  if (Tiny(x)) return 1.0;
  if (x - x != 0.0) return x - x;
  double out;
  if (SinCosFast(x, true, out)) return out;
  return Evaluate(x, 1, out) ? out : SinCosSlow(x, true);
}

double Tan(double x) {
  if (Tiny(x)) return x;
  if (x - x != 0.0) return x - x;
  double out;
  if (TanFast(x, out)) return out;
  return Evaluate(x, 2, out) ? out : TanSlow(x);
}

}  // namespace numoria::maths

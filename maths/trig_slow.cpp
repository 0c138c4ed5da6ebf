// The slow paths of Sin, Cos, Tan and Atan, in triple-double. Sin, Cos, Tan:
// the exact reduction to 159 bits (relative error below 2^-137), r = a + t
// with |t| <= 1/128 and a = j/64 from the table to 159 bits, sin t to degree
// 17 and cos t to degree 16 (remainders below 2^-150). Atan: atan c from the
// table and atan t, |t| <= 1/128, to degree 23 (remainder below 2^-155).
// Relative error below 2^-135; the result is rounded once, with no further
// test.

#include "maths/final_rounding.h"
#include "maths/internal.h"
#include "maths/triple_double.h"

namespace numoria::maths {
namespace {

struct SinCosTD {
  TD sin;
  TD cos;
};

// sin t and cos t for |t| <= 1/128 + 2^-60: Taylor in z = t^2.
[[nodiscard]] SinCosTD SinCosSmall(const TD& t) noexcept {
  const TD z = Multiply(t, t);
  TD s = kInverseFactorial[17];
  TD c = kInverseFactorial[16];
  for (int k = 7; k >= 0; --k) {  // s = 1/1! - z (1/3! - z (...)), c alike
    s = Add(Negate(Multiply(s, z)), kInverseFactorial[2 * k + 1]);
    c = Add(Negate(Multiply(c, z)), k == 0 ? TD{1.0, 0.0, 0.0} : kInverseFactorial[2 * k]);
  }
  return {Multiply(s, t), c};
}

[[nodiscard]] SinCosTD SinCosReduced(TD r) noexcept {
  const bool negative = r.hi < 0.0;
  if (negative) r = Negate(r);
  const int j = NearestIndex(r.hi * 64.0);
  SinCosTD sc = SinCosSmall(Add(r, -(j / 64.0)));
  const TD& sa = kSinCosTable[j].sin;
  const TD& ca = kSinCosTable[j].cos;
  sc = {Add(Multiply(sa, sc.cos), Multiply(ca, sc.sin)),
        Add(Multiply(ca, sc.cos), Negate(Multiply(sa, sc.sin)))};
  if (negative) sc.sin = Negate(sc.sin);
  return sc;
}

[[nodiscard]] double Round(const TD& v) noexcept { return RoundScaled(ForRounding(v), 0); }

}  // namespace

double SinCosSlow(double x, bool cosine) noexcept {
  const ReducedPrecise red = ReduceHalfPiPrecise(x);
  const SinCosTD sc = SinCosReduced(red.r);
  const int turn = (red.quadrant + (cosine ? 1 : 0)) & 3;
  const TD v = (turn & 1) == 0 ? sc.sin : sc.cos;
  return Round(turn >= 2 ? Negate(v) : v);
}

double TanSlow(double x) noexcept {
  const ReducedPrecise red = ReduceHalfPiPrecise(x);
  const SinCosTD sc = SinCosReduced(red.r);
  return Round((red.quadrant & 1) == 0 ? Divide(sc.sin, sc.cos) : Negate(Divide(sc.cos, sc.sin)));
}

double AtanSlow(double x) noexcept {
  const bool negative = x < 0.0;
  const double a = negative ? -x : x;
  const bool inverted = a > 1.0;
  const TD z = inverted ? Divide(TD{1.0, 0.0, 0.0}, TD{a, 0.0, 0.0}) : TD{a, 0.0, 0.0};
  const int j = NearestIndex(z.hi * 64.0);
  const double c = j / 64.0;
  const TD t = Divide(Add(z, -c), Add(Multiply(z, c), 1.0));
  const TD t2 = Multiply(t, t);
  TD acc = kInverse[23];
  for (int n = 21; n >= 1; n -= 2) acc = Add(Negate(Multiply(acc, t2)), kInverse[n]);
  // Alternating from 1/23 down: acc = 1 - t^2/3 + t^4/5 - ... + t^22/23.
  TD v = Add(kAtanTable[j], Multiply(acc, t));
  if (inverted) v = Add(kHalfPi, Negate(v));
  return Round(negative ? Negate(v) : v);
}

}  // namespace numoria::maths

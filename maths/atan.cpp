// Atan. For |x| > 1, atan |x| = pi/2 - atan(1/|x|) with 1/|x| a double-double
// (no cancellation: the result is at least pi/4). Reduction: z = c + ...,
// c = j/64 the nearest table point, atan z = atan c + atan t with
// t = (z - c)/(1 + z c), |t| <= 1/128; z - c is exact and atan c comes from a
// table to 159 bits. atan t = t (1 - t^2/3 + ... - t^14/15), remainder
// below 2^-112 |t|; terms above 2^-52 in double-double, the rest in double.
// Relative error of the double-double result below 2^-100. Beyond 2^60 the
// result is pi/2 rounded; below 2^-27 it is x itself (the next term is
// below a quarter of an ulp).
//
// The fast path, taken first, uses the same reduction (for |x| > 1 as
// t = (1 - c |x|)/(|x| + c), with no reciprocal formed) with t as a
// double-double from one corrected division, atan c to 106 bits, and
// t^3 (-1/3 + t^2/5 - ... - t^8/11) in double (remainder below 2^-80,
// rounding below 2^-72 of the result, which may be half of atan c): relative
// error below 2^-65, tested against 2^-62.

#include <limits>

#include "maths/final_rounding.h"
#include "maths/internal.h"
#include "maths/maths.h"
#include "maths/tables.h"

namespace numoria::maths {
namespace {

constexpr double kAtanError = 0x1p-99;

// atan t for |t| <= 2^-7.
[[nodiscard]] DD AtanSmall(DD t) noexcept {
  const DD z = Multiply(t, t);
  const double zh = z.hi;
  DD acc = {kInverse[9].hi - zh * (kInverse[11].hi - zh * (kInverse[13].hi - zh * kInverse[15].hi)),
            0.0};
  for (int n = 7; n >= 3; n -= 2) {
    const DD c = ToDD(kInverse[n]);
    acc = Add(Multiply(acc, z), n % 4 == 3 ? Negate(c) : c);
  }
  acc = Add(Multiply(acc, z), 1.0);
  return Multiply(acc, t);
}

// atan a for 2^-27 <= a <= 2^60.
[[nodiscard]] DD AtanPositive(double a) noexcept {
  const bool inverted = a > 1.0;
  const DD z = inverted ? Divide(DD{1.0, 0.0}, DD{a, 0.0}) : DD{a, 0.0};
  const int j = NearestIndex(z.hi * 64.0);
  const double c = j / 64.0;
  const DD numerator = TwoSum(z.hi - c, z.lo);
  const DD denominator = Add(Multiply(z, c), 1.0);
  DD v = AtanSmall(Divide(numerator, denominator));
  if (j != 0) v = Add(ToDD(kAtanTable[j]), v);
  return inverted ? Subtract(DD{kHalfPi.hi, kHalfPi.mid}, v) : v;
}

// atan a for 2^-27 <= a <= 2^60 as hi + lo, to 2^-65.
[[nodiscard]] inline DD AtanFast(double a) noexcept {
  const bool inverted = a > 1.0;
  const int j = NearestIndex(inverted ? 64.0 / a : 64.0 * a);
  const double c = j / 64.0;
  // c a exactly: c has 7 bits, so only a is split.
  const double ca = Rounded(c * a);
  const double ah = HighHalf(a);
  const double ca_lo = (ah * c - ca) + (a - ah) * c;
  // a <= 1: t = (a - c) / (1 + a c); a > 1: t = (1 - c a) / (a + c), the
  // same reduction of 1/a without forming it. Both numerators are exact
  // (c a lies in [0.5, 2] when j > 0).
  DD num = {a - c, 0.0};
  DD den = FastTwoSum(1.0, ca);
  den.lo += ca_lo;
  if (inverted) {
    num = FastTwoSum(1.0 - ca, -ca_lo);
    den = TwoSum(a, c);
  }
  const double inverse = 1.0 / den.hi;
  const double th = num.hi * inverse;
  const DD q = TwoProduct(th, den.hi);
  const double tl = (((num.hi - q.hi) - q.lo) + num.lo - th * den.lo) * inverse;
  const double z = th * th;
  const double tail =
      th * z *
      (-kInverse[3].hi +
       z * (kInverse[5].hi - z * (kInverse[7].hi - z * (kInverse[9].hi - z * kInverse[11].hi))));
  const TD& base = kAtanTable[j];
  const DD h = FastTwoSum(base.hi, th);
  DD v = FastTwoSum(h.hi, h.lo + base.mid + tl + tail);
  if (!inverted) return v;
  const DD g = FastTwoSum(kHalfPi.hi, -v.hi);
  return FastTwoSum(g.hi, g.lo + kHalfPi.mid - v.lo);
}

}  // namespace

double Atan(double x) {
  if (x < 0x1p-27 && x > -0x1p-27) return x;
  if (x != x) return x + x;
  const bool negative = x < 0.0;
  const double a = negative ? -x : x;
  if (a > 0x1p60) return negative ? -kHalfPi.hi : kHalfPi.hi;
  double out;
  const DD fast = AtanFast(a);
  if (RoundFast(fast.hi, fast.lo, fast.hi * 0x1p-62, out)) return negative ? -out : out;
  DD v = AtanPositive(a);
  if (negative) v = Negate(v);
  return RoundIfSure(v, 0, kAtanError, out) ? out : AtanSlow(x);
}

}  // namespace numoria::maths

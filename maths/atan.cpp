// Atan. For |x| > 1, atan |x| = pi/2 - atan(1/|x|) with 1/|x| a double-double
// (no cancellation: the result is at least pi/4). Reduction: z = c + ...,
// c = j/64 the nearest table point, atan z = atan c + atan t with
// t = (z - c)/(1 + z c), |t| <= 1/128; z - c is exact and atan c comes from a
// table to 159 bits. atan t = t (1 - t^2/3 + ... - t^14/15), remainder
// below 2^-112 |t|; terms above 2^-52 in double-double, the rest in double.
// Relative error of the double-double result below 2^-100. Beyond 2^60 the
// result is pi/2 rounded; below 2^-27 it is x itself (the next term is
// below a quarter of an ulp).

#include <limits>

#include "maths/final_rounding.h"
#include "maths/internal.h"
#include "maths/maths.h"
#include "maths/tables.h"

namespace numoria::maths {
namespace {

constexpr double kAtanError = 0x1p-99;

[[nodiscard]] DD ToDD(const TD& t) noexcept { return {t.hi, t.mid}; }

// atan t for |t| <= 2^-7.
[[nodiscard]] DD AtanSmall(DD t) noexcept {
  const DD z = Multiply(t, t);
  const double zh = z.hi;
  DD acc = {kInverse[9].hi -
                zh * (kInverse[11].hi - zh * (kInverse[13].hi - zh * kInverse[15].hi)),
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
  const int j = static_cast<int>(z.hi * 64.0 + 0.5);
  const double c = j / 64.0;
  const DD numerator = TwoSum(z.hi - c, z.lo);
  const DD denominator = Add(Multiply(z, c), 1.0);
  DD v = AtanSmall(Divide(numerator, denominator));
  if (j != 0) v = Add(ToDD(kAtanTable[j]), v);
  return inverted ? Subtract(DD{kHalfPi.hi, kHalfPi.mid}, v) : v;
}

}  // namespace

double Atan(double x) {
  if (x < 0x1p-27 && x > -0x1p-27) return x;
  if (x != x) return x + x;
  const bool negative = x < 0.0;
  const double a = negative ? -x : x;
  if (a > 0x1p60) return negative ? -kHalfPi.hi : kHalfPi.hi;
  DD v = AtanPositive(a);
  if (negative) v = Negate(v);
  double out;
  (void)RoundIfSure(v, 0, kAtanError, out);
  return out;
}

}  // namespace numoria::maths

// Exp. Reduction: t = (128 k + j) ln(2)/128 + r, |r| <= ln(2)/256 + |t.lo|,
// with ln(2)/128 in 35-bit parts so that k times each part is exact (|k| <
// 2^18); r is formed as a double-double with an absolute error below 2^-112.
// exp(t) = 2^k * 2^(j/128) * exp(r), 2^(j/128) from a table of 159-bit
// values. exp(r) is the Taylor polynomial of degree 9: the remainder is
// below |r|^10/10! < 2^-107; degrees 0 to 5 are summed in double-double,
// degrees 6 to 9 (below 2^-60) in double. Relative error of the
// double-double result: below 2^-100 (the table 2^-106, five products and
// sums 2^-102 together, the polynomial 2^-106, r 2^-112).

#include <cstdint>
#include <limits>

#include "maths/exp_log_fast.h"
#include "maths/final_rounding.h"
#include "maths/internal.h"
#include "maths/maths.h"
#include "maths/tables.h"

namespace numoria::maths {
namespace {

constexpr double kExpError = 0x1p-100;

// exp(r) for |r| < 0.0028.
[[nodiscard]] DD ExpSmall(DD r) noexcept {
  const double x = r.hi;
  const double tail =
      kInverseFactorial[6].hi +
      x * (kInverseFactorial[7].hi + x * (kInverseFactorial[8].hi + x * kInverseFactorial[9].hi));
  DD acc = {tail, 0.0};
  for (int n = 5; n >= 0; --n)
    acc = Add(Multiply(acc, r), n == 0 ? DD{1.0, 0.0} : ToDD(kInverseFactorial[n]));
  return acc;
}

}  // namespace

Scaled ExpCore(DD t) noexcept {
  const double shift = 0x1.8p52;
  const double kd = (t.hi * k128ByLn2 + shift) - shift;
  const auto k = static_cast<std::int64_t>(kd);
  DD r = TwoSum(t.hi - kd * kLn2By128Part0, -(kd * kLn2By128Part1));
  r = Add(r, t.lo);
  r = Add(r, -(kd * kLn2By128Tail.hi));
  const DD value = Multiply(ToDD(kExp2Table[k & 127]), ExpSmall(r));
  return {value, static_cast<int>(k >> 7)};
}

double Exp(double x) {
  if (x != x) return x + x;
  if (x > 709.8) return std::numeric_limits<double>::infinity();
  if (x < -745.2) return 0.0;
  if (x < 0x1p-54 && x > -0x1p-54) return 1.0;
  double out;
  if (ExpFast<false>({x, 0.0}, 0.0, out)) return out;
  const Scaled s = ExpCore({x, 0.0});
  return RoundIfSure(s.v, s.e, kExpError, out) ? out : ExpSlow(x);
}

}  // namespace numoria::maths

// The slow paths of Exp, Log and Pow, in triple-double: the reductions of
// the fast paths (exact, or with an error below 2^-150), the tables to 159
// bits, and Taylor polynomials long enough that the remainder stays below
// 2^-150: exp(r) to degree 14 for |r| < 2^-8.4, log1p(u) to degree 19 for
// |u| < 2^-8. Relative error below 2^-140 (2^-130 for Pow up to the ends of
// the range); the result is rounded once, with no further test.

#include <bit>
#include <cstdint>

#include "maths/exp_log_fast.h"
#include "maths/final_rounding.h"
#include "maths/internal.h"
#include "maths/triple_double.h"

namespace numoria::maths {
namespace {

struct ScaledTD {
  TD v;
  int e;
};

[[nodiscard]] ScaledTD ExpPrecise(const TD& t) noexcept {
  const double shift = 0x1.8p52;
  const double kd = (t.hi * k128ByLn2 + shift) - shift;
  const auto k = static_cast<std::int64_t>(kd);
  TD r = {t.hi - kd * kLn2By128Part0, t.mid, t.lo};
  r = Add(r, -(kd * kLn2By128Part1));
  r = Add(r, Negate(Multiply(kLn2By128Tail, kd)));
  TD acc = kInverseFactorial[14];
  for (int n = 13; n >= 1; --n) acc = Add(Multiply(acc, r), kInverseFactorial[n]);
  acc = Add(Multiply(acc, r), 1.0);
  return {Multiply(kExp2Table[k & 127], acc), static_cast<int>(k >> 7)};
}

[[nodiscard]] TD LogPrecise(double x) noexcept {
  std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
  int scale = 0;
  if ((bits >> 52) == 0) {
    bits = std::bit_cast<std::uint64_t>(x * 0x1p54);
    scale = -54;
  }
  const LogReduction red = ReduceLog(bits);
  const TD u = {red.u.hi, red.u.lo, 0.0};
  TD acc = kInverse[19];
  for (int n = 18; n >= 1; --n)
    acc = Add(Multiply(acc, u), (n & 1) != 0 ? kInverse[n] : Negate(kInverse[n]));
  const TD log1p = Multiply(acc, u);
  const double ed = red.e + scale;
  TD sum = Add(Multiply(kLn2Tail, ed), ed * kLn2Head);
  sum = Add(sum, kLogTable[red.index].minus_log_r);
  return Add(sum, log1p);
}

}  // namespace

double ExpSlow(double x) noexcept {
  const ScaledTD s = ExpPrecise({x, 0.0, 0.0});
  return RoundScaled(ForRounding(s.v), s.e);
}

double LogSlow(double x) noexcept { return RoundScaled(ForRounding(LogPrecise(x)), 0); }

double PowSlow(double x, double y) noexcept {
  const ScaledTD s = ExpPrecise(Multiply(LogPrecise(x), y));
  return RoundScaled(ForRounding(s.v), s.e);
}

}  // namespace numoria::maths

// Log. Reduction: x = 2^e * y with y in [0.855, 1.71), y * r = 1 + u where
// r is a short double from a 256-entry table (exactly 1 next to y = 1, so
// Log keeps its relative accuracy near 1); y * r is formed exactly, so u is
// exact and |u| < 2^-8. log(x) = e ln 2 - log(r) + log1p(u), with e ln 2
// summed from an exact 42-bit head and a 159-bit tail, and -log(r) from the
// table to 159 bits. log1p(u) is the Taylor polynomial of degree 15:
// remainder below |u|^16/16, relative to u below 2^-124; degrees 1 to 8 in
// double-double, 9 to 15 (below 2^-64 |u|) in double. The three
// terms never cancel by more than a factor of two (where e ln 2 and log(y)
// have opposite signs, |e ln 2| >= 0.69 and |log y| < 0.16), so the relative
// error of the double-double result stays below 2^-101.
//
// The fast path, taken first (a subnormal x as x 2^s, normal, e lowered by s),
// uses the same reduction; log1p(v) for the leading part v of u is
// v - v^2/2 with v^2 exact, plus v^3 (1/3 - v/4 ...
// + v^6/9) in double (remainder below 2^-75 |v|, rounding below 2^-70),
// the tail of u entering as u_lo (1 - v + v^2). Relative error below 2^-67
// (exp_log_fast.h); the rounding test allows 2^-64, which also covers the
// rounding of lo +- bound (lo < 2^-15 hi). Pow takes its double-double result.

#include <bit>
#include <cstdint>
#include <limits>

#include "maths/exp_log_fast.h"
#include "maths/final_rounding.h"
#include "maths/internal.h"
#include "maths/maths.h"
#include "maths/tables.h"

namespace numoria::maths {
namespace {

constexpr double kLogError = 0x1p-100;

// log1p(u) for |u| < 2^-8.
[[nodiscard]] DD Log1pSmall(DD u) noexcept {
  const double x = u.hi;
  double tail = kInverse[15].hi;
  for (int n = 14; n >= 9; --n) tail = x * tail + ((n & 1) != 0 ? kInverse[n].hi : -kInverse[n].hi);
  DD acc = {tail, 0.0};
  for (int n = 8; n >= 1; --n) {
    const DD c = ToDD(kInverse[n]);
    acc = Add(Multiply(acc, u), (n & 1) != 0 ? c : Negate(c));
  }
  return Multiply(acc, u);
}

}  // namespace

DD LogCore(double x) noexcept {
  std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
  int scale = 0;
  if ((bits >> 52) == 0) {  // subnormal: scale into the normal range
    bits = std::bit_cast<std::uint64_t>(x * 0x1p54);
    scale = -54;
  }
  const LogReduction red = ReduceLog(bits);
  const double ed = red.e + scale;
  const TD& table = kLogTable[red.index].minus_log_r;
  DD sum = TwoSum(ed * kLn2Head, table.hi);
  sum = Add(sum, TwoProduct(ed, kLn2Tail.hi));
  sum = Add(sum, table.mid + ed * kLn2Tail.mid);
  return Add(sum, Log1pSmall(red.u));
}

double Log(double x) {
  std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
  int scale = 0;
  if (bits - 1 < 0x000FFFFFFFFFFFFFULL) {
    // Subnormal, > 0: shifting the significand up until its leading bit
    // reaches the exponent field gives the normal x 2^shift, in integers (a
    // floating-point multiply of a subnormal is slow on many processors).
    const int shift = std::countl_zero(bits) - 11;
    bits <<= shift;
    scale = -shift;
  }
  if (bits - 0x0010000000000000ULL < 0x7FE0000000000000ULL) {  // normal, > 0
    double out;
    const DD fast = LogFast(bits, scale);
    if (RoundFast(fast.hi, fast.lo, fast.hi * 0x1p-64, out) && fast.hi != 0.0) return out;
  }
  if (x != x) return x + x;
  if (x < 0.0) return std::numeric_limits<double>::quiet_NaN();
  if (x == 0.0) return -std::numeric_limits<double>::infinity();
  if (x == std::numeric_limits<double>::infinity()) return x;
  double out;
  return RoundIfSure(LogCore(x), 0, kLogError, out) ? out : LogSlow(x);
}

}  // namespace numoria::maths

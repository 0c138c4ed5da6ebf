// Log. Reduction: x = 2^e * y with y in [0.855, 1.71), y * r = 1 + u where
// r is a short double from a 128-entry table (exactly 1 next to y = 1, so
// Log keeps its relative accuracy near 1); y * r is formed exactly, so u is
// exact and |u| < 2^-7. log(x) = e ln 2 - log(r) + log1p(u), with e ln 2
// summed from an exact 42-bit head and a 159-bit tail, and -log(r) from the
// table to 159 bits. log1p(u) is the Taylor polynomial of degree 15:
// remainder below |u|^16/16 < 2^-116, relative to u below 2^-109; degrees
// 1 to 8 in double-double, 9 to 15 (below 2^-56 |u|) in double. The three
// terms never cancel by more than a factor of two (where e ln 2 and log(y)
// have opposite signs, |e ln 2| >= 0.69 and |log y| < 0.16), so the relative
// error of the double-double result stays below 2^-101.
//
// The fast path, taken first, uses the same reduction; log1p(v) for the
// leading part v of u is v - v^2/2 with v^2 exact, plus v^3 (1/3 - v/4 ...
// - v^7/10) in double (remainder below 2^-73 |v|, rounding below 2^-75),
// the tail of u entering as u_lo (1 - v). Relative error below 2^-68; the
// rounding test allows 2^-63. Pow takes its double-double result.

#include <bit>
#include <cstdint>
#include <limits>

#include "maths/final_rounding.h"
#include "maths/internal.h"
#include "maths/maths.h"
#include "maths/tables.h"

namespace numoria::maths {
namespace {

constexpr double kLogError = 0x1p-100;

[[nodiscard]] DD ToDD(const TD& t) noexcept { return {t.hi, t.mid}; }

// log1p(u) for |u| < 2^-7.
[[nodiscard]] DD Log1pSmall(DD u) noexcept {
  const double x = u.hi;
  double tail = kInverse[15].hi;
  for (int n = 14; n >= 9; --n)
    tail = x * tail + ((n & 1) != 0 ? kInverse[n].hi : -kInverse[n].hi);
  DD acc = {tail, 0.0};
  for (int n = 8; n >= 1; --n) {
    const DD c = ToDD(kInverse[n]);
    acc = Add(Multiply(acc, u), (n & 1) != 0 ? c : Negate(c));
  }
  return Multiply(acc, u);
}

struct Reduction {
  int e;
  int index;
  DD u;
};

// x = 2^e y, y r = 1 + u exactly; x normal.
[[nodiscard]] inline Reduction Reduce(std::uint64_t bits) noexcept {
  int e = static_cast<int>(bits >> 52) - 1023;
  const int index = static_cast<int>((bits >> 45) & 127);
  double y = std::bit_cast<double>((bits & 0x000FFFFFFFFFFFFFULL) |
                                   0x3FF0000000000000ULL);
  if (index >= 91) {
    y *= 0.5;
    ++e;
  }
  // r has at most 20 bits: y r is exact as p + ((yh r - p) + yl r).
  const double r = kLogTable[index].r;
  const double p = y * r;
  const double yh = HighHalf(y);
  const double p_lo = (yh * r - p) + (y - yh) * r;
  return {e, index, FastTwoSum(p - 1.0, p_lo)};
}

// log1p(v) - v + v^2/2 for |v| < 2^-7, to 2^-73 |v|.
[[nodiscard]] inline double Log1pCubic(double v, double v2) noexcept {
  const auto k = [](int n) { return kInverse[n].hi; };
  const double v4 = v2 * v2;
  const double a = k(3) - v * k(4);
  const double b = k(5) - v * k(6);
  const double d = k(7) - v * k(8);
  const double f = k(9) - v * k(10);
  return (v * v2) * ((a + v2 * b) + v4 * (d + v2 * f));
}

// The fast path for normal x > 0.
[[nodiscard]] inline DD LogNormal(std::uint64_t bits) noexcept {
  const Reduction red = Reduce(bits);
  const double v = red.u.hi;
  // v is a multiple of 2^-53 below 2^-7: vh, v to a multiple of 2^-30, has
  // 23 bits and vl = v - vh 22, so vh^2 and vh vl are exact.
  const double vh = (v + 0x1.8p22) - 0x1.8p22;
  const double vl = v - vh;
  const DD head = FastTwoSum(v, -0.5 * (vh * vh));
  const double square_lo = 2.0 * (vh * vl) + vl * vl;
  const double ed = red.e;
  const TD& table = kLogTable[red.index].minus_log_r;
  const DD a = FastTwoSum(ed * kLn2Head, table.hi);  // |table.hi| < 0.16
  const DD h = TwoSum(a.hi, head.hi);
  const double lo = h.lo + a.lo + head.lo - 0.5 * square_lo +
                    Log1pCubic(v, v * v) + red.u.lo * (1.0 - v) +
                    (ed * kLn2Tail.hi + table.mid);
  return FastTwoSum(h.hi, lo);
}

}  // namespace

DD LogFast(double x) noexcept {
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
  if ((bits >> 52) == 0) return {0.0, 0.0};
  return LogNormal(bits);
}

DD LogCore(double x) noexcept {
  std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
  int scale = 0;
  if ((bits >> 52) == 0) {  // subnormal: scale into the normal range
    bits = std::bit_cast<std::uint64_t>(x * 0x1p54);
    scale = -54;
  }
  const Reduction red = Reduce(bits);
  const double ed = red.e + scale;
  const TD& table = kLogTable[red.index].minus_log_r;
  DD sum = TwoSum(ed * kLn2Head, table.hi);
  sum = Add(sum, TwoProduct(ed, kLn2Tail.hi));
  sum = Add(sum, table.mid + ed * kLn2Tail.mid);
  return Add(sum, Log1pSmall(red.u));
}

double Log(double x) {
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
  if (bits - 0x0010000000000000ULL < 0x7FE0000000000000ULL) {  // normal, > 0
    double out;
    const DD fast = LogNormal(bits);
    if (RoundFast(fast.hi, fast.lo, fast.hi * 0x1p-63, out) && fast.hi != 0.0)
      return out;
  }
  if (x != x) return x + x;
  if (x < 0.0) return std::numeric_limits<double>::quiet_NaN();
  if (x == 0.0) return -std::numeric_limits<double>::infinity();
  if (x == std::numeric_limits<double>::infinity()) return x;
  double out;
  (void)RoundIfSure(LogCore(x), 0, kLogError, out);
  return out;
}

}  // namespace numoria::maths

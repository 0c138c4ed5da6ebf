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

}  // namespace

DD LogCore(double x) noexcept {
  std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
  int e = static_cast<int>(bits >> 52) - 1023;
  if (e == -1023) {  // subnormal: scale into the normal range
    bits = std::bit_cast<std::uint64_t>(x * 0x1p54);
    e = static_cast<int>(bits >> 52) - 1023 - 54;
  }
  const int index = static_cast<int>((bits >> 45) & 127);
  double y = std::bit_cast<double>((bits & 0x000FFFFFFFFFFFFFULL) |
                                   0x3FF0000000000000ULL);
  if (index >= 91) {
    y *= 0.5;
    ++e;
  }
  const LogEntry& entry = kLogTable[index];
  const DD p = TwoProduct(y, entry.r);
  const DD u = TwoSum(p.hi - 1.0, p.lo);
  const double ed = e;
  DD sum = TwoSum(ed * kLn2Head, entry.minus_log_r.hi);
  sum = Add(sum, TwoProduct(ed, kLn2Tail.hi));
  sum = Add(sum, entry.minus_log_r.mid + ed * kLn2Tail.mid);
  return Add(sum, Log1pSmall(u));
}

double Log(double x) {
  if (x != x) return x + x;
  if (x < 0.0) return std::numeric_limits<double>::quiet_NaN();
  if (x == 0.0) return -std::numeric_limits<double>::infinity();
  if (x == std::numeric_limits<double>::infinity()) return x;
  double out;
  (void)RoundIfSure(LogCore(x), 0, kLogError, out);
  return out;
}

}  // namespace numoria::maths

// Pow. The special values of IEEE 754 and C's Annex F first; a negative base
// with an integer exponent gives |x|^y with the sign of an odd exponent; the
// exact and halfway cases are computed exactly (pow_exact.cpp). Otherwise
// x^y = exp(y log x): log x as a double-double (relative error 2^-101), t =
// y log x (relative 2^-100.8), exp(t) as a double-double (relative 2^-100).
// An absolute error of t is a relative error of the result, so the bound
// is 2^-100 (1 + |t|), below 2^-90 up to the overflow threshold. A fast
// path goes first: the fast logarithm (relative error below 2^-67, absolute
// below 2^-74) and the fast exponential, whose rounding test adds the error
// of t: the smaller of |t| 2^-66 and |y| 2^-72.

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "maths/exp_log_fast.h"
#include "maths/final_rounding.h"
#include "maths/internal.h"
#include "maths/maths.h"

namespace numoria::maths {
namespace {

enum class Parity { kNotInteger, kEven, kOdd };

[[nodiscard]] Parity ParityOf(double y) noexcept {
  const double a = y < 0.0 ? -y : y;
  if (a >= 0x1p53) return Parity::kEven;
  if (a >= 0x1p52) return (static_cast<std::uint64_t>(a) & 1) != 0 ? Parity::kOdd : Parity::kEven;
  const double n = (a + 0x1p52) - 0x1p52;
  if (n != a) return Parity::kNotInteger;
  return (static_cast<std::uint64_t>(n) & 1) != 0 ? Parity::kOdd : Parity::kEven;
}

constexpr double kInf = std::numeric_limits<double>::infinity();

// x = +-0 or +-inf, y finite or infinite, not NaN, not 0.
[[nodiscard]] double PowOfZeroOrInfinity(double x, double y, Parity parity) noexcept {
  const bool odd = parity == Parity::kOdd;
  const bool negative = x < 0.0 || (x == 0.0 && 1.0 / x < 0.0);
  const bool large = x != 0.0;
  const double magnitude = (y > 0.0) == large ? kInf : 0.0;
  return odd && negative ? -magnitude : magnitude;
}

// x^y for normal x > 0 and 0 < |y| < 2^64 when the fast path can decide.
// t = y log x: y log.hi is exact; y log.lo (|log.lo| < 2^-15 |log.hi| and <
// 2^-25) and its sum with p.lo round to 2^-68 |t| and to |y| 2^-78 each.
// With the logarithm's error, t is within |t| 2^-66 and within |y| 2^-73.8
// of y log x. t is renormalised only when its tail exceeds 2^-30 (x near 1
// and a large y): the exponential then starts from y log.hi alone, before
// the logarithm's tail is known.
[[nodiscard]] [[gnu::always_inline]] inline bool PowFast(std::uint64_t x_bits, double y,
                                                         double& out) noexcept {
  const DD log = LogFast(x_bits);
  const DD p = TwoProduct(y, log.hi);
  DD t = {p.hi, p.lo + y * log.lo};
  if (!(std::fabs(t.lo) <= 0x1p-30)) t = FastTwoSum(t.hi, t.lo);
  // Beyond these, the result overflows or rounds to zero, with a margin far
  // above the error of t.
  if (t.hi > 709.8 || t.hi < -745.2) {
    out = t.hi > 0.0 ? kInf : 0.0;
    return true;
  }
  const double relative = std::fabs(t.hi) * 0x1p-66;
  const double absolute = std::fabs(y) * 0x1p-72;
  return ExpFast(t, absolute < relative ? absolute : relative, out);
}

// x^y for finite x > 0, finite y != 0, |y| <= 2^64, where the fast path
// could not decide. An exact or halfway result can only fail the fast
// path's rounding test (a double is no rounding boundary), so the exact
// cases are looked for after it. A normal result is tested as in the fast
// path (the bound, at least 2^-99, covers the rounding of lo +- bound).
[[gnu::noinline]] double PowAccurate(double x, double y) noexcept {
  double out;
  if (ExactPower(x, y, out)) return out;
  const DD t = Multiply(LogCore(x), y);
  if (t.hi > 709.8) return kInf;
  if (t.hi < -745.2) return 0.0;
  const Scaled s = ExpCore(t);
  const double bound = 0x1p-99 * (1.0 + std::fabs(t.hi));
  if (s.e >= -1020 && s.e <= 1022) {  // s.v in [0.99, 2.01]: a normal result
    if (!RoundFast(s.v.hi, s.v.lo, bound * s.v.hi, out)) return PowSlow(x, y);
    return out * PowerOfTwo(s.e);
  }
  return RoundIfSure(s.v, s.e, bound, out) ? out : PowSlow(x, y);
}

// x^y for finite x > 0, x != 1, finite y != 0.
[[nodiscard]] double PowPositive(double x, double y) noexcept {
  const bool grows = (x > 1.0) == (y > 0.0);
  if (y > 0x1p64 || y < -0x1p64) return grows ? kInf : 0.0;
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
  double out;
  if ((bits >> 52) != 0 && PowFast(bits, y, out)) return out;
  return PowAccurate(x, y);
}

// Every case but the common one the fast path decides; out of line, so that
// Pow itself stays small.
[[gnu::noinline]] double PowOther(double x, double y) noexcept {
  double out;
  if (y == 0.0 || x == 1.0) return 1.0;
  if (x != x || y != y) return x + y;
  if (x == 0.0 || x - x != 0.0) return PowOfZeroOrInfinity(x, y, ParityOf(y));
  if (y - y != 0.0) {  // y = +-inf
    const double a = x < 0.0 ? -x : x;
    if (a == 1.0) return 1.0;
    return (a > 1.0) == (y > 0.0) ? kInf : 0.0;
  }
  bool negative = false;
  if (x < 0.0) {
    const Parity parity = ParityOf(y);
    if (parity == Parity::kNotInteger) return std::numeric_limits<double>::quiet_NaN();
    negative = parity == Parity::kOdd;
    x = -x;
    if (x == 1.0) return negative ? -1.0 : 1.0;
  }
  out = PowPositive(x, y);
  return negative ? -out : out;
}

}  // namespace

double Pow(double x, double y) {
  const std::uint64_t x_bits = std::bit_cast<std::uint64_t>(x);
  const std::uint64_t y_twice = std::bit_cast<std::uint64_t>(y) << 1;
  double out;
  // The common case first: x > 0 normal, 0 < |y| < 2^64.
  if (x_bits - 0x0010000000000000ULL < 0x7FE0000000000000ULL &&
      y_twice - 1 < (0x43F0000000000000ULL << 1) - 1)
    return PowFast(x_bits, y, out) ? out : PowAccurate(x, y);
  return PowOther(x, y);
}

}  // namespace numoria::maths

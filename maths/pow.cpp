// Pow. The special values of IEEE 754 and C's Annex F first; a negative base
// with an integer exponent gives |x|^y with the sign of an odd exponent; the
// exact and halfway cases are computed exactly (pow_exact.cpp). Otherwise
// x^y = exp(y log x): log x as a double-double (relative error 2^-101), t =
// y log x (relative 2^-100.8), exp(t) as a double-double (relative 2^-100).
// An absolute error of t is a relative error of the result, so the bound
// is 2^-100 (1 + |t|), below 2^-90 up to the overflow threshold.

#include <cstdint>
#include <limits>

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

// |x|^y for finite x > 0, x != 1, finite y != 0, not an exact case.
[[nodiscard]] double PowGeneral(double x, double y) noexcept {
  const bool grows = (x > 1.0) == (y > 0.0);
  if (y > 0x1p64 || y < -0x1p64) return grows ? kInf : 0.0;
  const DD t = Multiply(LogCore(x), y);
  if (t.hi > 709.8) return kInf;
  if (t.hi < -745.2) return 0.0;
  const Scaled s = ExpCore(t);
  const double bound = 0x1p-99 * (1.0 + (t.hi < 0.0 ? -t.hi : t.hi));
  double out;
  (void)RoundIfSure(s.v, s.e, bound, out);
  return out;
}

}  // namespace

double Pow(double x, double y) {
  if (y == 0.0 || x == 1.0) return 1.0;
  if (x != x || y != y) return x + y;
  const Parity parity = ParityOf(y);
  if (x == 0.0 || x - x != 0.0) return PowOfZeroOrInfinity(x, y, parity);
  if (y - y != 0.0) {  // y = +-inf
    const double a = x < 0.0 ? -x : x;
    if (a == 1.0) return 1.0;
    return (a > 1.0) == (y > 0.0) ? kInf : 0.0;
  }
  bool negative = false;
  if (x < 0.0) {
    if (parity == Parity::kNotInteger) return std::numeric_limits<double>::quiet_NaN();
    negative = parity == Parity::kOdd;
    x = -x;
  }
  double out;
  if (!ExactPower(x, y, out)) out = PowGeneral(x, y);
  return negative ? -out : out;
}

}  // namespace numoria::maths

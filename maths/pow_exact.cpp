// The exact cases of the power: x^y for x > 0 is a dyadic number (and so
// possibly a double or the midpoint of two doubles, where no rounding test
// could ever decide) only when x = m 2^e with m odd, y = n / 2^k and x is a
// perfect 2^k-th power z^(2^k); then x^y = z^n, which for n < 0 is dyadic
// only if z is a power of two. Those cases are computed here in integers
// and rounded once; every other x^y is irrational or has more than 64
// significant bits, so it lies off every midpoint.

#include <bit>
#include <cmath>
#include <cstdint>

#include "maths/final_rounding.h"
#include "maths/internal.h"

namespace numoria::maths {
namespace {

__extension__ typedef unsigned __int128 U128;

[[nodiscard]] bool IsInteger(double y) noexcept {
  const double a = y < 0.0 ? -y : y;
  return a >= 0x1p52 || (a + 0x1p52) - 0x1p52 == a;
}

// m^n for odd m when it has at most 54 bits; beyond, an odd number is
// neither a double nor a midpoint.
[[nodiscard]] bool IntegerPower(std::uint64_t m, int n, std::uint64_t& result) {
  U128 p = 1;
  for (int i = 0; i < n; ++i) {
    p *= m;
    if ((p >> 54) != 0) return false;
  }
  result = static_cast<std::uint64_t>(p);
  return true;
}

// p * 2^e rounded once, p < 2^54 (an exact double-double).
[[nodiscard]] double RoundInteger(std::uint64_t p, std::int64_t e) {
  if (e > 2000) e = 2000;
  if (e < -2000) e = -2000;
  const double hi = static_cast<double>(p);
  const auto back = static_cast<std::uint64_t>(hi);
  const double lo = p >= back ? static_cast<double>(p - back) : -static_cast<double>(back - p);
  return RoundScaled({hi, lo}, static_cast<int>(e));
}

}  // namespace

bool ExactPower(double x, double y, double& out) noexcept {
  std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
  int biased = static_cast<int>(bits >> 52);
  std::uint64_t m = bits & 0x000FFFFFFFFFFFFFULL;
  if (biased != 0) m |= std::uint64_t{1} << 52;
  std::int64_t e = (biased != 0 ? biased : 1) - 1075;
  const int zeros = std::countr_zero(m);
  m >>= zeros;
  e += zeros;
  // Take square roots while y is not an integer; at most 6 for m > 1 and
  // 11 for the exponent, or the result is not dyadic.
  for (int steps = 0; !IsInteger(y); ++steps) {
    const auto root = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(m)));
    if (steps == 64 || root * root != m || (e & 1) != 0) return false;
    m = root;
    e /= 2;
    y *= 2.0;
  }
  if (m == 1) {
    // A power of two: 2^(e y), beyond the range unless |y| < 2^12.
    if (y > 4096.0 || y < -4096.0) {
      out = RoundInteger(1, (y > 0.0) == (e > 0) ? 2000 : -2000);
      return true;
    }
    out = RoundInteger(1, e * static_cast<std::int64_t>(y));
    return true;
  }
  if (y < 0.0 || y > 64.0) return false;
  const int n = static_cast<int>(y);
  std::uint64_t p = 0;
  if (!IntegerPower(m, n, p)) return false;
  out = RoundInteger(p, e * n);
  return true;
}

}  // namespace numoria::maths

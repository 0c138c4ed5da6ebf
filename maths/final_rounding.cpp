// Rounding of a scaled double-double to one double. Exact: the only
// rounding is the one final rounding to nearest even, done on the sum
// hi + lo by the hardware for normal results and by hand (adding 2^52 times
// the quantum) for subnormal ones.

#include "maths/final_rounding.h"

#include <bit>
#include <cstdint>

namespace numoria::maths {
namespace {

[[nodiscard]] int Exponent(double a) noexcept {
  return static_cast<int>((std::bit_cast<std::uint64_t>(a) >> 52) & 0x7FF) - 1023;
}

// d * 2^e, exact whenever the result is representable.
[[nodiscard]] double Scale(double d, int e) noexcept {
  while (e > 1000) {
    d *= 0x1p1000;
    e -= 1000;
  }
  while (e < -1000) {
    d *= 0x1p-1000;
    e += 1000;
  }
  return d * PowerOfTwo(e);
}

[[nodiscard]] double WithSign(double magnitude, bool negative) noexcept {
  return negative ? -magnitude : magnitude;
}

}  // namespace

double RoundScaled(DD v, int e) noexcept {
  const DD s = FastTwoSum(v.hi, v.lo);
  if (s.hi == 0.0) return s.hi;
  const bool negative = s.hi < 0.0;
  const int exponent = Exponent(s.hi) + e;
  if (exponent >= 1024) return WithSign(0x1p1023 * 2.0, negative);
  if (exponent >= -1022) return Scale(s.hi, e);
  if (exponent < -1076) return WithSign(0.0, negative);
  // Subnormal: round |hi| to a multiple of the quantum q = 2^(-1074 - e);
  // |hi| < 2^52 q, so adding 2^52 q leaves exactly the bits wanted. Where hi
  // fell on a midpoint, lo decides.
  const double q = PowerOfTwo(-1074 - e);
  const double big = q * 0x1p52;
  const double a = negative ? -s.hi : s.hi;
  const double l = negative ? -s.lo : s.lo;
  double d = (a + big) - big;
  const double rest = a - d;
  if (rest == 0.5 * q && l > 0.0) d += q;
  if (rest == -0.5 * q && l < 0.0) d -= q;
  return WithSign(Scale(d, e), negative);
}

bool RoundIfSure(DD v, int e, double rel_err, double& out) noexcept {
  const double bound = (v.hi < 0.0 ? -v.hi : v.hi) * rel_err;
  const double low = RoundScaled({v.hi, v.lo - bound}, e);
  const double high = RoundScaled({v.hi, v.lo + bound}, e);
  out = RoundScaled(v, e);
  return std::bit_cast<std::uint64_t>(low) == std::bit_cast<std::uint64_t>(high);
}

}  // namespace numoria::maths

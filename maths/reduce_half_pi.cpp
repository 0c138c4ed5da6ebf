// Exact reduction modulo pi/2 for every finite double (Payne and Hanek).
// x = m 2^e with m a 53-bit integer; x * 2/pi modulo 4 is m times the 320
// bits of 2/pi that start where the earlier bits would only add multiples of
// 4, a product of six 64-bit words computed exactly in integers. The bits
// dropped after the window change the fraction by less than m 2^-s, where
// the binary point lies s >= 255 bits above the product's last bit: below
// 2^-202, while no double's fraction is nearer than 2^-64 to an integer, so
// the fraction keeps at least 138 correct bits. Its top 106 bits become a
// double-double, multiplied by pi/2 (to 107 bits): the reduced argument has a
// relative error below 2^-103. The slow paths take 159 bits of it as a
// triple-double (relative error below 2^-137).

#include <bit>
#include <cstdint>

#include "maths/final_rounding.h"
#include "maths/internal.h"
#include "maths/tables.h"
#include "maths/triple_double.h"

namespace numoria::maths {
namespace {

__extension__ typedef unsigned __int128 U128;
constexpr int kLimbs = 6;  // limb 0 is the most significant

// m times the five words of 2/pi from word `first` on.
void MultiplyWindow(std::uint64_t m, int first, std::uint64_t (&p)[kLimbs]) {
  U128 carry = 0;
  for (int i = 4; i >= 0; --i) {
    const U128 t = static_cast<U128>(m) * kTwoOverPiBits[first + i] + carry;
    p[i + 1] = static_cast<std::uint64_t>(t);
    carry = t >> 64;
  }
  p[0] = static_cast<std::uint64_t>(carry);
}

// The 64 bits of p starting `shift` bits below its top (bits beyond the end
// read as zero).
[[nodiscard]] std::uint64_t WordAt(const std::uint64_t (&p)[kLimbs], int shift) {
  const int limb = shift / 64;
  const int bit = shift % 64;
  const std::uint64_t a = limb < kLimbs ? p[limb] : 0;
  const std::uint64_t b = limb + 1 < kLimbs ? p[limb + 1] : 0;
  return bit == 0 ? a : (a << bit) | (b >> (64 - bit));
}

// The fraction f in [-1/2, 1/2] held in the 384-bit word g (value g/2^384,
// after subtracting 1 when it was at least 1/2), as three exact 53-bit
// pieces of its leading bits.
[[nodiscard]] TD FractionPieces(const std::uint64_t (&g)[kLimbs], bool negative) {
  int lead = 0;
  while (lead < 64 * (kLimbs - 2) && WordAt(g, lead) == 0) lead += 64;
  const std::uint64_t top = WordAt(g, lead);
  if (top == 0) return {0.0, 0.0, 0.0};
  lead += std::countl_zero(top);
  const auto piece = [&g, lead](int k) {
    const double bits = static_cast<double>(WordAt(g, lead + 53 * k) >> 11);
    return bits * PowerOfTwo(-53 * (k + 1) - lead);
  };
  const double sign = negative ? -1.0 : 1.0;
  return {sign * piece(0), sign * piece(1), sign * piece(2)};
}

// x's fraction of a quarter turn and its quadrant; 0 < |x| finite.
[[nodiscard]] int Fraction(double x, TD& fraction) noexcept {
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
  const std::uint64_t m = (bits & 0x000FFFFFFFFFFFFFULL) | (std::uint64_t{1} << 52);
  const int e = static_cast<int>((bits >> 52) & 0x7FF) - 1075;
  const int first = e >= 2 ? (e - 2) / 64 : 0;
  std::uint64_t p[kLimbs];
  MultiplyWindow(m, first, p);
  // The binary point lies s bits above the end of p; take the two bits of
  // the quotient above it and the fraction below it.
  const int s = 64 * (first + 5) - e;
  const int point = 64 * kLimbs - s;                            // bits of p above the point
  int quadrant = static_cast<int>(WordAt(p, point - 2) >> 62);  // point >= 11
  std::uint64_t g[kLimbs];
  for (int i = 0; i < kLimbs; ++i) g[i] = WordAt(p, point + 64 * i);
  const bool round_up = (g[0] >> 63) != 0;
  if (round_up) {  // f - 1: the two's complement of g, magnitude below 1/2
    ++quadrant;
    bool borrow = true;
    for (int i = kLimbs - 1; i >= 0; --i) {
      g[i] = ~g[i] + (borrow ? 1 : 0);
      borrow = borrow && g[i] == 0;
    }
  }
  fraction = FractionPieces(g, round_up);
  if ((bits >> 63) != 0) {
    fraction = Negate(fraction);
    quadrant = -quadrant;
  }
  return quadrant & 3;
}

[[nodiscard]] bool Small(double x) noexcept {
  const std::uint64_t magnitude = std::bit_cast<std::uint64_t>(x) & ~(std::uint64_t{1} << 63);
  return magnitude <= std::bit_cast<std::uint64_t>(kQuarterPi.hi);
}

}  // namespace

Reduced ReduceHalfPi(double x) noexcept {
  if (Small(x)) return {{x, 0.0}, 0};
  TD f;
  const int quadrant = Fraction(x, f);
  const DD r = Multiply(FastTwoSum(f.hi, f.mid), DD{kHalfPi.hi, kHalfPi.mid});
  return {r, quadrant};
}

ReducedPrecise ReduceHalfPiPrecise(double x) noexcept {
  if (Small(x)) return {{x, 0.0, 0.0}, 0};
  TD f;
  const int quadrant = Fraction(x, f);
  return {Multiply(Renormalise(f.hi, f.mid, f.lo), kHalfPi), quadrant};
}

}  // namespace numoria::maths

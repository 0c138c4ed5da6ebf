#pragma once

// Double-double arithmetic: a value carried as hi + lo, |lo| <= ulp(hi) / 2,
// about 106 significant bits. The error-free transforms (TwoSum, TwoProduct)
// are exact; Add, Multiply and Divide of two double-doubles are accurate to
// a relative 2^-103 or better (Dekker; Joldes, Muller and Popescu, "Tight
// and rigorous error bounds for basic building blocks of double-word
// arithmetic", 2017).
//
// A product is split into halves of at most 26 bits by rounding the bit
// pattern, not by Veltkamp's multiplication, so every partial product is
// exact, and the rounded product itself is kept from fusion (Rounded): a
// fused multiply-add formed by a compiler would give the same bits.

#include <bit>
#include <cstdint>

namespace numoria::maths {

struct DD {
  double hi;
  double lo;
};

// Exact when |a| >= |b| or a == 0.
[[nodiscard]] inline DD FastTwoSum(double a, double b) noexcept {
  const double s = a + b;
  return {s, b - (s - a)};
}

[[nodiscard]] inline DD TwoSum(double a, double b) noexcept {
  const double s = a + b;
  const double bb = s - a;
  return {s, (a - (s - bb)) + (b - bb)};
}

// a rounded to its top 26 bits; a - HighHalf(a) is exact and has <= 26 bits.
[[nodiscard]] inline double HighHalf(double a) noexcept {
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(a);
  return std::bit_cast<double>((bits + (std::uint64_t{1} << 26)) & ~((std::uint64_t{1} << 27) - 1));
}

// a as rounded, hidden from the compiler: a product passed through here
// cannot be fused into a later addition (a fused multiply-add would add the
// exact product, not the rounded one an error-free transform is built on).
[[nodiscard]] inline double Rounded(double a) noexcept {
#if defined(__GNUC__) && defined(__x86_64__)
  __asm__("" : "+x"(a));
#else
  volatile double held = a;
  a = held;
#endif
  return a;
}

// a * b exactly, provided it neither overflows nor underflows.
[[nodiscard]] inline DD TwoProduct(double a, double b) noexcept {
  const double p = Rounded(a * b);
  const double ah = HighHalf(a);
  const double al = a - ah;
  const double bh = HighHalf(b);
  const double bl = b - bh;
  return {p, al * bl - (((p - ah * bh) - al * bh) - ah * bl)};
}

[[nodiscard]] inline DD Negate(DD a) noexcept { return {-a.hi, -a.lo}; }

[[nodiscard]] inline DD Add(DD a, double b) noexcept {
  DD s = TwoSum(a.hi, b);
  return FastTwoSum(s.hi, s.lo + a.lo);
}

[[nodiscard]] inline DD Add(DD a, DD b) noexcept {
  DD s = TwoSum(a.hi, b.hi);
  const DD t = TwoSum(a.lo, b.lo);
  s = FastTwoSum(s.hi, s.lo + t.hi);
  return FastTwoSum(s.hi, s.lo + t.lo);
}

[[nodiscard]] inline DD Subtract(DD a, DD b) noexcept { return Add(a, Negate(b)); }

[[nodiscard]] inline DD Multiply(DD a, double b) noexcept {
  const DD p = TwoProduct(a.hi, b);
  return FastTwoSum(p.hi, p.lo + a.lo * b);
}

[[nodiscard]] inline DD Multiply(DD a, DD b) noexcept {
  const DD p = TwoProduct(a.hi, b.hi);
  return FastTwoSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

[[nodiscard]] inline DD Divide(DD a, DD b) noexcept {
  const double q1 = a.hi / b.hi;
  const DD r = Subtract(a, Multiply(b, q1));
  const double q2 = r.hi / b.hi;
  const DD r2 = Subtract(r, Multiply(b, q2));
  return Add(FastTwoSum(q1, q2), r2.hi / b.hi);
}

}  // namespace numoria::maths

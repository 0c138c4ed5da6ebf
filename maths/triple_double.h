#pragma once

// Triple-double arithmetic for the slow paths: a value hi + mid + lo of
// about 150 significant bits. Every operation gathers its partial terms
// into an expansion with error-free sums and renormalises it; relative
// error per operation below 2^-148. Simple rather than fast: these paths
// run only for the rare arguments the double-double paths cannot round.

#include <bit>
#include <cstdint>

#include "maths/double_double.h"
#include "maths/tables.h"

namespace numoria::maths {

[[nodiscard]] inline TD Renormalise(double a, double b, double c) noexcept {
  const DD s = TwoSum(b, c);
  const DD t = TwoSum(a, s.hi);
  const DD u = TwoSum(t.lo, s.lo);
  const DD v = TwoSum(t.hi, u.hi);
  const DD w = TwoSum(v.lo, u.lo);
  return {v.hi, w.hi, w.lo};
}

[[nodiscard]] inline TD Add(const TD& a, double b) noexcept {
  const DD s0 = TwoSum(a.hi, b);
  const DD s1 = TwoSum(a.mid, s0.lo);
  return Renormalise(s0.hi, s1.hi, s1.lo + a.lo);
}

[[nodiscard]] inline TD Add(const TD& a, const TD& b) noexcept {
  const DD s0 = TwoSum(a.hi, b.hi);
  const DD s1 = TwoSum(a.mid, b.mid);
  const DD s2 = TwoSum(s0.lo, s1.hi);
  return Renormalise(s0.hi, s2.hi, s2.lo + (s1.lo + (a.lo + b.lo)));
}

[[nodiscard]] inline TD Negate(const TD& a) noexcept { return {-a.hi, -a.mid, -a.lo}; }

[[nodiscard]] inline TD Multiply(const TD& a, double b) noexcept {
  const DD p0 = TwoProduct(a.hi, b);
  const DD p1 = TwoProduct(a.mid, b);
  const DD s = TwoSum(p0.lo, p1.hi);
  return Renormalise(p0.hi, s.hi, s.lo + (p1.lo + a.lo * b));
}

[[nodiscard]] inline TD Multiply(const TD& a, const TD& b) noexcept {
  const DD p00 = TwoProduct(a.hi, b.hi);
  const DD p01 = TwoProduct(a.hi, b.mid);
  const DD p10 = TwoProduct(a.mid, b.hi);
  const DD m = TwoSum(p01.hi, p10.hi);
  const DD s = TwoSum(p00.lo, m.hi);
  const double small = m.lo + p01.lo + p10.lo + a.hi * b.lo + a.mid * b.mid + a.lo * b.hi;
  return Renormalise(p00.hi, s.hi, s.lo + small);
}

// a / b: a double quotient refined twice against the exact residual.
[[nodiscard]] inline TD Divide(const TD& a, const TD& b) noexcept {
  const double q0 = a.hi / b.hi;
  const TD r0 = Add(a, Negate(Multiply(b, q0)));
  const double q1 = r0.hi / b.hi;
  const TD r1 = Add(r0, Negate(Multiply(b, q1)));
  const double q2 = r1.hi / b.hi;
  return Renormalise(q0, q1, q2);
}

// The double nearest hi + mid + lo (mid + lo rounded so as not to hide
// which side of a midpoint the sum lies on), as a double-double to round.
[[nodiscard]] inline DD ForRounding(const TD& a) noexcept {
  double lo = a.mid + a.lo;
  if (lo == a.mid && a.lo != 0.0 && a.mid != 0.0) {
    // Nudge mid one unit towards lo: far below hi's last bit, it only
    // breaks an exact tie the right way.
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(a.mid);
    const bool away = (a.lo > 0.0) == (a.mid > 0.0);
    lo = std::bit_cast<double>(away ? bits + 1 : bits - 1);
  }
  return {a.hi, lo};
}

}  // namespace numoria::maths

#pragma once

// The evaluator's mathematical functions, written here so that every
// platform gives the same bits: each returns the double nearest the exact
// value (correctly rounded, round to nearest even). Special values and
// signed zeros follow IEEE 754 and C's Annex F: Sin(-0) is -0, Exp(-inf) is
// +0, Log(0) is -inf, Log(x < 0) is NaN, Pow(x, +-0) is 1, and a result
// beyond the double range is +-inf. Nothing here reads or sets the
// floating-point environment.

namespace numoria::maths {

[[nodiscard]] double Sin(double x);
[[nodiscard]] double Cos(double x);
[[nodiscard]] double Tan(double x);
[[nodiscard]] double Atan(double x);
[[nodiscard]] double Log(double x);  // natural logarithm
[[nodiscard]] double Exp(double x);
[[nodiscard]] double Pow(double x, double y);

}  // namespace numoria::maths

#include "expression/functions.h"

#include "maths/maths.h"

namespace numoria::expression {
namespace {

constexpr double kPi = 3.141592653589793;

// sqrt(1 - v*v), failing where the square root has no real value (|v| > 1).
[[nodiscard]] bool RootOneMinusSquare(double v, double& result) noexcept {
  double square = v;
  if (!Multiply(square, v)) return false;
  double rest = 1.0;
  if (!Subtract(rest, square) || rest < 0.0) return false;
  result = std::sqrt(rest);
  return true;
}

// ARCSIN and ARCCOS go through the arctangent as the formulas are written,
// not through asin/acos, whose last bit can differ.
[[nodiscard]] bool ArcSine(double v, double& result) noexcept {
  if (v == 1.0) {
    result = kPi / 2;
    return true;
  }
  if (v == -1.0) {
    result = -kPi / 2;
    return true;
  }
  double quotient = v;
  double root = 0.0;
  if (!RootOneMinusSquare(v, root) || !Divide(quotient, root)) return false;
  result = maths::Atan(quotient);
  return true;
}

[[nodiscard]] bool ArcCosine(double v, double& result) noexcept {
  if (v == 1.0) {
    result = 0.0;
    return true;
  }
  if (v == -1.0) {
    result = kPi;
    return true;
  }
  double quotient = -v;
  double root = 0.0;
  if (!RootOneMinusSquare(v, root) || !Divide(quotient, root)) return false;
  result = maths::Atan(quotient);
  return Add(result, kPi / 2);
}

// The natural logarithm, defined for v > 0 only.
[[nodiscard]] bool NaturalLog(double v, double& result) noexcept {
  if (v <= 0.0) return false;
  result = maths::Log(v);
  return true;
}

}  // namespace

bool Apply(Function function, double v, double& result) noexcept {
  switch (function) {
    case Function::kSin:
      result = maths::Sin(v);
      break;
    case Function::kCos:
      result = maths::Cos(v);
      break;
    case Function::kTan:
      result = maths::Tan(v);
      break;
    case Function::kLog:
      // ln(v) / ln(10), one division: LOG(1000) is 2.9999999999999996.
      return NaturalLog(v, result) && Divide(result, maths::Log(10.0));
    case Function::kLn:
      return NaturalLog(v, result);
    case Function::kExp:
      result = maths::Exp(v);
      break;
    case Function::kArctan:
      result = maths::Atan(v);
      break;
    case Function::kArcsin:
      return ArcSine(v, result);
    case Function::kArccos:
      return ArcCosine(v, result);
    case Function::kNone:
    case Function::kPow:
      return false;  // no function, or two arguments: Power
  }
  return std::isfinite(result);
}

bool Power(double a, double b, double& result) noexcept {
  result = maths::Pow(a, b);
  return std::isfinite(result);
}

}  // namespace numoria::expression

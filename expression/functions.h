#pragma once

// The arithmetic and the named functions of a formula, with their run-time
// errors turned into a false result: a division by zero, a result beyond the
// double range (or no real result at all), an argument outside a function's
// domain. A true result is always a finite double.

#include <array>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace numoria::expression {

[[nodiscard]] inline bool Add(double& acc, double value) noexcept {
  acc += value;
  return std::isfinite(acc);
}

[[nodiscard]] inline bool Subtract(double& acc, double value) noexcept {
  acc -= value;
  return std::isfinite(acc);
}

[[nodiscard]] inline bool Multiply(double& acc, double value) noexcept {
  acc *= value;
  return std::isfinite(acc);
}

// 0/0 fails as well as x/0.
[[nodiscard]] inline bool Divide(double& acc, double value) noexcept {
  if (value == 0.0) return false;
  acc /= value;
  return std::isfinite(acc);
}

enum class Function : std::uint8_t {
  kNone,  // a plain group, no call
  kSin,
  kCos,
  kTan,
  kLog,
  kLn,
  kExp,
  kArctan,
  kArcsin,
  kArccos,
  kPow
};

struct FunctionName {
  std::u16string_view spelling;
  Function function;
};

// In the order the names are tested; no name is the beginning of another.
inline constexpr std::array<FunctionName, 10> kFunctionNames = {{
    {u"SIN", Function::kSin},
    {u"COS", Function::kCos},
    {u"TAN", Function::kTan},
    {u"LOG", Function::kLog},
    {u"LN", Function::kLn},
    {u"EXP", Function::kExp},
    {u"ARCTAN", Function::kArctan},
    {u"ARCSIN", Function::kArcsin},
    {u"ARCCOS", Function::kArccos},
    {u"POW", Function::kPow},
}};

// The value of a one-argument function (every one but kPow) at v.
[[nodiscard]] bool Apply(Function function, double v, double& result) noexcept;

// a raised to the power b; false when that is no finite real double.
[[nodiscard]] bool Power(double a, double b, double& result) noexcept;

}  // namespace numoria::expression

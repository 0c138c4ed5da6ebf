#pragma once

// The seven functions of maths/maths.h as data, for the checks that run over
// all of them: a name, whether it takes two arguments, and a call.

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "maths/maths.h"

namespace numoria::maths_test {

enum class Function { kSin, kCos, kTan, kAtan, kLog, kExp, kPow };

inline constexpr std::array kFunctions = {Function::kSin, Function::kCos, Function::kTan,
                                          Function::kAtan, Function::kLog, Function::kExp,
                                          Function::kPow};

// Lower case: also the name of the function's file of cases.
[[nodiscard]] constexpr std::string_view Name(Function f) {
  constexpr std::array<std::string_view, 7> kNames = {"sin", "cos", "tan", "atan",
                                                      "log", "exp", "pow"};
  return kNames[static_cast<int>(f)];
}

[[nodiscard]] constexpr bool Binary(Function f) { return f == Function::kPow; }

// y is read by Pow only.
[[nodiscard]] inline double Ours(Function f, double x, double y) {
  switch (f) {
    case Function::kSin: return maths::Sin(x);
    case Function::kCos: return maths::Cos(x);
    case Function::kTan: return maths::Tan(x);
    case Function::kAtan: return maths::Atan(x);
    case Function::kLog: return maths::Log(x);
    case Function::kExp: return maths::Exp(x);
    case Function::kPow: return maths::Pow(x, y);
  }
  return NAN;
}

[[nodiscard]] inline std::uint64_t Bits(double value) { return std::bit_cast<std::uint64_t>(value); }

// Bit for bit, except that any NaN matches any NaN (its sign and payload are
// not specified).
[[nodiscard]] inline bool SameResult(double got, double want) {
  return Bits(got) == Bits(want) || (std::isnan(got) && std::isnan(want));
}

}  // namespace numoria::maths_test

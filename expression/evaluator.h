#pragma once

// Formula evaluator: the four operations, a leading sign, nested groups, the
// variable X and the functions SIN COS TAN LOG LN EXP ARCTAN ARCSIN ARCCOS POW.

#include <cstddef>
#include <string_view>

namespace numoria {

// The longest formula that can succeed: positions are 16-bit counters, and
// after a successful evaluation the position stands one past the last
// character. Longer formulas always fail.
inline constexpr std::size_t kLongestFormula = 32766;

// Evaluates Exppression with X = xxx. Good is true when the whole text is a
// well-formed formula evaluated without a run-time error; the result is then
// finite. Never throws, keeps no state, safe to call from any thread.
[[nodiscard]] double CalculateString(std::u16string_view Exppression, bool& Good, double xxx) noexcept;

}  // namespace numoria

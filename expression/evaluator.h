#pragma once

// Formula evaluator: the four operations, a leading sign, nested groups, the
// variable X and the functions SIN COS TAN LOG LN EXP ARCTAN ARCSIN ARCCOS POW.

#include <string_view>

namespace numoria {

// Evaluates Exppression with X = xxx. Good is true when the whole text is a
// well-formed formula evaluated without a run-time error; the result is then
// finite. Never throws, keeps no state, safe to call from any thread.
[[nodiscard]] double CalculateString(std::u16string_view Exppression, bool& Good, double xxx) noexcept;

}  // namespace numoria

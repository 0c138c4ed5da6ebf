#pragma once

// Arguments that break implementations of the seven functions: for each, a
// few generators of its hard cases (arguments near multiples of pi/2, near
// thresholds, exact and halfway powers, ...) plus random bit patterns and
// log-uniform ranges. Deterministic for a given seed.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "tests/maths/maths_functions.h"

namespace numoria::maths_test {

struct Arguments {
  double x;
  double y;  // Pow only
};

// n arguments for f. The trigonometric functions start with their fixed list
// of reduction worst cases (sampled evenly when n is smaller); then each
// generator of f contributes in turn.
[[nodiscard]] std::vector<Arguments> HardArguments(Function f, std::size_t n, std::uint64_t seed);

// n arguments for f from its generators alone, each in turn.
[[nodiscard]] std::vector<Arguments> GeneratedArguments(Function f, std::size_t n, std::uint64_t seed);

// For every binade from 1 to 2^1024, the doubles closest to a multiple of
// pi/2 (found from the continued fraction of 2^e/pi), with both signs.
[[nodiscard]] const std::vector<double>& ReductionWorstCases();

}  // namespace numoria::maths_test

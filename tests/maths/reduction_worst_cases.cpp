// The doubles nearest multiples of pi/2, binade by binade. A double of
// binade e is m * 2^(e-52) with m in [2^52, 2^53); it lies close to a
// multiple of pi/2 when m * b is close to an integer, b = frac(2^(e-51)/pi).
// The m that do best are multiples of the continued fraction's denominators
// of b and its semiconvergents; of those, the few nearest an integer are kept.

#include <mpfr.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "tests/maths/hard_arguments.h"

namespace numoria::maths_test {
namespace {

constexpr std::uint64_t kLow = std::uint64_t{1} << 52;
constexpr std::uint64_t kHigh = std::uint64_t{1} << 53;
constexpr int kKeptPerBinade = 3;

// Denominators whose multiples in [2^52, 2^53) make m * b nearly whole.
std::vector<std::uint64_t> Denominators(mpfr_ptr b, mpfr_ptr r) {
  std::vector<std::uint64_t> found;
  std::uint64_t previous = 0;
  std::uint64_t current = 1;
  mpfr_frac(r, b, MPFR_RNDN);
  for (int step = 0; step < 200 && !mpfr_zero_p(r); ++step) {
    mpfr_ui_div(r, 1, r, MPFR_RNDN);
    const double a = std::floor(mpfr_get_d(r, MPFR_RNDZ));
    mpfr_frac(r, r, MPFR_RNDN);
    for (std::uint64_t j = 1; j <= 8 && j <= a; ++j) {  // semiconvergents
      if (previous + j * current >= kHigh) break;
      found.push_back(previous + j * current);
    }
    if (a >= static_cast<double>(kHigh - previous) / static_cast<double>(current)) break;
    previous = std::exchange(current, static_cast<std::uint64_t>(a) * current + previous);
    found.push_back(current);
  }
  return found;
}

// |m * b - nearest integer|.
double Distance(mpfr_srcptr b, std::uint64_t m, mpfr_ptr t) {
  mpfr_mul_d(t, b, static_cast<double>(m), MPFR_RNDN);
  mpfr_frac(t, t, MPFR_RNDN);
  const double f = mpfr_get_d(t, MPFR_RNDN);
  return std::min(f, 1 - f);
}

void AddBinade(int e, mpfr_ptr b, mpfr_ptr r, mpfr_ptr pi, std::vector<double>& out) {
  mpfr_ui_div(b, 1, pi, MPFR_RNDN);
  mpfr_mul_2si(b, b, e - 51, MPFR_RNDN);
  mpfr_frac(b, b, MPFR_RNDN);
  std::vector<std::pair<double, std::uint64_t>> candidates;
  for (const std::uint64_t q : Denominators(b, r)) {
    const std::uint64_t first = (kLow + q - 1) / q;
    for (std::uint64_t t = first; t < first + 2 && t * q < kHigh; ++t) {
      candidates.emplace_back(Distance(b, t * q, r), t * q);
    }
  }
  std::sort(candidates.begin(), candidates.end());
  candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
  for (std::size_t i = 0; i < candidates.size() && i < kKeptPerBinade; ++i) {
    const double x = std::ldexp(static_cast<double>(candidates[i].second), e - 52);
    out.push_back(x);
    out.push_back(-x);
  }
}

}  // namespace

const std::vector<double>& ReductionWorstCases() {
  static const std::vector<double> cases = [] {
    std::vector<double> out;
    // frac(2^(e-51)/pi) needs e bits of 1/pi before the point and about 110
    // good bits after it for denominators up to 2^53.
    mpfr_t b, r, pi;
    mpfr_inits2(1024 + 300, b, r, pi, static_cast<mpfr_ptr>(nullptr));
    mpfr_const_pi(pi, MPFR_RNDN);
    for (int e = 0; e <= 1023; ++e) AddBinade(e, b, r, pi, out);
    mpfr_clears(b, r, pi, static_cast<mpfr_ptr>(nullptr));
    return out;
  }();
  return cases;
}

}  // namespace numoria::maths_test

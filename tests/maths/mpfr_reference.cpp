#include "tests/maths/mpfr_reference.h"

#include <mpfr.h>

#include <algorithm>
#include <cmath>

namespace numoria::maths_test {
namespace {

// Bits for the error measures: far beyond what any double result needs.
constexpr mpfr_prec_t kWide = 256;

class Number {
 public:
  explicit Number(mpfr_prec_t precision) { mpfr_init2(value_, precision); }
  ~Number() { mpfr_clear(value_); }
  Number(const Number&) = delete;
  Number& operator=(const Number&) = delete;
  mpfr_ptr get() { return value_; }

 private:
  mpfr_t value_;
};

struct Scratch {
  Number x{53}, y{53}, narrow{53}, wide{kWide}, diff{kWide};
};

Scratch& Local() {
  thread_local Scratch scratch;
  return scratch;
}

int Apply(Function f, mpfr_ptr r, mpfr_srcptr x, mpfr_srcptr y) {
  switch (f) {
    case Function::kSin: return mpfr_sin(r, x, MPFR_RNDN);
    case Function::kCos: return mpfr_cos(r, x, MPFR_RNDN);
    case Function::kTan: return mpfr_tan(r, x, MPFR_RNDN);
    case Function::kAtan: return mpfr_atan(r, x, MPFR_RNDN);
    case Function::kLog: return mpfr_log(r, x, MPFR_RNDN);
    case Function::kExp: return mpfr_exp(r, x, MPFR_RNDN);
    case Function::kPow: return mpfr_pow(r, x, y, MPFR_RNDN);
  }
  return 0;
}

// f(x, y) at the precision of r, in MPFR's wide default exponent range.
void Exact(Function f, double x, double y, mpfr_ptr r) {
  Scratch& s = Local();
  mpfr_set_d(s.x.get(), x, MPFR_RNDN);
  mpfr_set_d(s.y.get(), y, MPFR_RNDN);
  Apply(f, r, s.x.get(), s.y.get());
}

// The exponent of the last place of a double in the binade of v (v finite).
long UlpExponent(mpfr_srcptr v) {
  if (mpfr_zero_p(v)) return -1074;
  return std::max<long>(mpfr_get_exp(v) - 53, -1074);
}

}  // namespace

double CorrectlyRounded(Function f, double x, double y) {
  Scratch& s = Local();
  const mpfr_exp_t emin = mpfr_get_emin();
  const mpfr_exp_t emax = mpfr_get_emax();
  mpfr_set_emin(-1073);  // 2^-1074, the least subnormal, is 0.5 * 2^-1073
  mpfr_set_emax(1024);
  mpfr_set_d(s.x.get(), x, MPFR_RNDN);
  mpfr_set_d(s.y.get(), y, MPFR_RNDN);
  const int inexact = Apply(f, s.narrow.get(), s.x.get(), s.y.get());
  mpfr_subnormalize(s.narrow.get(), inexact, MPFR_RNDN);
  const double result = mpfr_get_d(s.narrow.get(), MPFR_RNDN);
  mpfr_set_emin(emin);
  mpfr_set_emax(emax);
  return result;
}

double UlpError(Function f, double x, double y, double got) {
  Scratch& s = Local();
  Exact(f, x, y, s.wide.get());
  if (!mpfr_number_p(s.wide.get()) || !std::isfinite(got)) {
    return SameResult(got, mpfr_get_d(s.wide.get(), MPFR_RNDN)) ? 0 : INFINITY;
  }
  mpfr_set_d(s.diff.get(), got, MPFR_RNDN);
  mpfr_sub(s.diff.get(), s.diff.get(), s.wide.get(), MPFR_RNDN);
  mpfr_mul_2si(s.diff.get(), s.diff.get(), -UlpExponent(s.wide.get()), MPFR_RNDN);
  return std::fabs(mpfr_get_d(s.diff.get(), MPFR_RNDN));
}

double DistanceToMidpoint(Function f, double x, double y) {
  const double rounded = CorrectlyRounded(f, x, y);
  if (!std::isfinite(rounded) || rounded == 0) return 0.5;
  Scratch& s = Local();
  Exact(f, x, y, s.wide.get());
  mpfr_set_d(s.diff.get(), rounded, MPFR_RNDN);
  const long ulp = UlpExponent(s.diff.get());
  mpfr_sub(s.diff.get(), s.diff.get(), s.wide.get(), MPFR_RNDN);
  mpfr_mul_2si(s.diff.get(), s.diff.get(), -ulp, MPFR_RNDN);
  return std::clamp(0.5 - std::fabs(mpfr_get_d(s.diff.get(), MPFR_RNDN)), 0.0, 0.5);
}

Comparison Compare(Function f, double x, double y) {
  const double got = Ours(f, x, y);
  const double want = CorrectlyRounded(f, x, y);
  const bool correct = SameResult(got, want);
  if (correct) return {got, want, true, 0};
  // A zero of the wrong sign is no rounding error: it counts as unbounded.
  const double ulps = got == 0 && want == 0 ? INFINITY : UlpError(f, x, y, got);
  return {got, want, false, ulps};
}

void Tally::Add(const Comparison& c, double x, double y) {
  ++count;
  if (c.correct) return;
  ++misrounded;
  if (misrounded == 1 || c.ulps > max_ulps) {
    max_ulps = c.ulps;
    worst_x = x;
    worst_y = y;
  }
}

void Tally::Merge(const Tally& other) {
  if (other.misrounded > 0 && (misrounded == 0 || other.max_ulps > max_ulps)) {
    max_ulps = other.max_ulps;
    worst_x = other.worst_x;
    worst_y = other.worst_y;
  }
  count += other.count;
  misrounded += other.misrounded;
}

}  // namespace numoria::maths_test

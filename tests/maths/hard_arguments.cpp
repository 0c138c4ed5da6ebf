#include "tests/maths/hard_arguments.h"

#include <mpfr.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <random>
#include <span>

namespace numoria::maths_test {
namespace {

using Engine = std::mt19937_64;
using Generator = Arguments (*)(Engine&);

constexpr double kOverflow = 709.782712893384;      // log(DBL_MAX), rounded up
constexpr double kNormalLimit = -708.3964185322641;  // log(DBL_MIN)
constexpr double kLeastSubnormal = -744.4400719213812;  // log(2^-1074)
constexpr double kUnderflow = -745.1332191019411;   // log(2^-1075): below, 0

double Uniform(Engine& g, double lo, double hi) {
  return std::uniform_real_distribution<double>(lo, hi)(g);
}

bool Coin(Engine& g) { return (g() & 1) != 0; }
double Signed(Engine& g, double x) { return Coin(g) ? -x : x; }

// A random significand in [1, 2) times 2^e, e uniform in [lo, hi]: uniform
// in the logarithm, exact, subnormal below 2^-1022.
double LogUniform(Engine& g, int lo, int hi) {
  const int e = std::uniform_int_distribution<int>(lo, hi)(g);
  return std::ldexp(1 + std::ldexp(static_cast<double>(g() >> 12), -52), e);
}

// A whole number from 1 to about 2^bits, uniform in the logarithm.
double LogUniformInteger(Engine& g, int bits) { return std::floor(LogUniform(g, 0, bits - 1)); }

// The double k doubles away from x (of the same sign, within the format).
double Step(double x, std::int64_t k) { return std::bit_cast<double>(std::bit_cast<std::int64_t>(x) + k); }

double NearBy(Engine& g, double x, int max_bits) {
  const auto k = static_cast<std::int64_t>(LogUniformInteger(g, max_bits));
  return Step(x, Coin(g) ? k : -k);
}

double RandomBits(Engine& g) { return std::bit_cast<double>(g()); }

// The double nearest k * c for c = pi/2 or log(2), then a few doubles away.
double NearMultiple(Engine& g, double k, bool log2) {
  thread_local struct Constants {
    mpfr_t half_pi, ln2, t;
    Constants() {
      mpfr_inits2(256, half_pi, ln2, t, static_cast<mpfr_ptr>(nullptr));
      mpfr_const_pi(half_pi, MPFR_RNDN);
      mpfr_div_2ui(half_pi, half_pi, 1, MPFR_RNDN);
      mpfr_const_log2(ln2, MPFR_RNDN);
    }
    ~Constants() { mpfr_clears(half_pi, ln2, t, static_cast<mpfr_ptr>(nullptr)); }
  } c;
  mpfr_mul_d(c.t, log2 ? c.ln2 : c.half_pi, k, MPFR_RNDN);
  return Step(mpfr_get_d(c.t, MPFR_RNDN), std::uniform_int_distribution<int>(-3, 3)(g));
}

Arguments Bits(Engine& g) { return {RandomBits(g), RandomBits(g)}; }
Arguments Whole(Engine& g) { return {Signed(g, LogUniform(g, -1074, 1023)), 0}; }
Arguments Tiny(Engine& g) { return {Signed(g, LogUniform(g, -1074, -20)), 0}; }
Arguments Subnormal(Engine& g) { return {std::bit_cast<double>(g() >> 12), 0}; }

// Doubles nearest k * pi/2, k up to about 1E22 / (pi/2).
Arguments NearHalfPi(Engine& g) { return {Signed(g, NearMultiple(g, LogUniformInteger(g, 73), false)), 0}; }
Arguments Moderate(Engine& g) { return {Uniform(g, -10, 10), 0}; }
// Doubles next to a power of two, where the range of a polynomial or a table ends.
Arguments NearPowerOfTwo(Engine& g) {
  return {Signed(g, NearBy(g, std::ldexp(1.0, std::uniform_int_distribution<int>(-40, 3)(g)), 10)), 0};
}

Arguments LogNearOne(Engine& g) { return {NearBy(g, 1.0, 50), 0}; }
Arguments LogNearPowerOfTwo(Engine& g) { return {NearBy(g, std::ldexp(1.0, std::uniform_int_distribution<int>(-1021, 1023)(g)), 30), 0}; }
Arguments LogPositive(Engine& g) { return {LogUniform(g, -1074, 1023), 0}; }

Arguments ExpThreshold(Engine& g) {
  constexpr std::array kThresholds = {kOverflow, kNormalLimit, kLeastSubnormal, kUnderflow};
  return {NearBy(g, kThresholds[g() % kThresholds.size()], 40), 0};
}
Arguments ExpSubnormal(Engine& g) { return {Uniform(g, -745.2, kNormalLimit), 0}; }
Arguments ExpRange(Engine& g) { return {Uniform(g, -746, 710), 0}; }
Arguments ExpNearLn2(Engine& g) {
  return {NearMultiple(g, std::uniform_int_distribution<int>(-1075, 1024)(g), true), 0};
}

Arguments AtanNearOne(Engine& g) { return {Signed(g, NearBy(g, 1.0, 45)), 0}; }
Arguments AtanLarge(Engine& g) { return {Signed(g, LogUniform(g, 0, 1023)), 0}; }

// A base for exponent y whose power lies at about e^target.
double BaseFor(double target, double y) { return std::exp(target / y); }
double InRange(Engine& g) { return Uniform(g, kUnderflow, kOverflow); }

Arguments PowInteger(Engine& g) {
  const double y = Signed(g, LogUniformInteger(g, 53));
  return {Signed(g, BaseFor(InRange(g), y)), y};
}
Arguments PowHalfInteger(Engine& g) {
  const double y = Signed(g, LogUniformInteger(g, 40) - 0.5);
  return {BaseFor(InRange(g), y), y};
}
Arguments PowNearOne(Engine& g) {
  const double x = NearBy(g, 1.0, 20);
  if (Coin(g)) return {x, Signed(g, LogUniform(g, 10, 1023))};
  return {x, std::round(InRange(g) / std::log(x))};
}
Arguments PowRangeLimit(Engine& g) {
  constexpr std::array kLimits = {kOverflow, kNormalLimit, kUnderflow};
  const double y = Signed(g, LogUniform(g, -4, 30));
  return {BaseFor(NearBy(g, kLimits[g() % kLimits.size()], 30), y), y};
}
Arguments PowGeneral(Engine& g) { return {LogUniform(g, -20, 20), Uniform(g, -50, 50)}; }

// An odd m and a power of it: exact (m^n below 2^53), halfway between two
// doubles (m^n odd, in [2^53, 2^54)), or beyond; also through (m^2)^1.5,
// (m^4)^0.25, (m^4)^0.75, signed bases, and powers of two down to and below
// the least subnormal, and -1 to any whole power.
Arguments PowExact(Engine& g) {
  const auto m = static_cast<double>((g() % (std::uint64_t{1} << (1 + g() % 27))) | 1);
  const int scale = std::uniform_int_distribution<int>(-8, 8)(g);
  switch (g() % 7) {
    case 0: {
      const double n = std::floor(std::log2(0x1p54) / std::log2(std::max(m, 3.0)));
      return {std::ldexp(Signed(g, m), scale), n - static_cast<double>(g() % 2)};
    }
    case 1: return {m * m, Coin(g) ? 1.5 : 0.5};
    case 2: return {m * m * m * m, Coin(g) ? 0.75 : 0.25};
    case 3: return {Signed(g, m), static_cast<double>(2 + g() % 3)};
    case 4: return {Coin(g) ? 2.0 : 0.5, static_cast<double>(std::uniform_int_distribution<int>(-1080, 1080)(g))};
    case 5: return {-1.0, Signed(g, LogUniformInteger(g, 1024))};
    default: return {std::ldexp(1.0, std::uniform_int_distribution<int>(-40, 40)(g)), Uniform(g, -60, 60)};
  }
}

constexpr std::array kTrig = {&Bits, &Whole, &Tiny, &Subnormal, &NearHalfPi, &Moderate, &NearPowerOfTwo};
constexpr std::array kAtan = {&Bits, &Whole, &Tiny, &Subnormal, &AtanNearOne, &AtanLarge, &Moderate,
                              &NearPowerOfTwo};
constexpr std::array kLog = {&Bits, &Subnormal, &LogNearOne, &LogNearPowerOfTwo, &LogPositive};
constexpr std::array kExp = {&Bits, &Tiny, &ExpThreshold, &ExpSubnormal, &ExpRange, &ExpNearLn2};
constexpr std::array kPow = {&Bits, &PowInteger, &PowHalfInteger, &PowNearOne, &PowRangeLimit,
                             &PowGeneral, &PowExact};

std::span<const Generator> GeneratorsOf(Function f) {
  switch (f) {
    case Function::kSin:
    case Function::kCos:
    case Function::kTan: return kTrig;
    case Function::kAtan: return kAtan;
    case Function::kLog: return kLog;
    case Function::kExp: return kExp;
    case Function::kPow: return kPow;
  }
  return {};
}

}  // namespace

std::vector<Arguments> GeneratedArguments(Function f, std::size_t n, std::uint64_t seed) {
  std::vector<Arguments> out;
  out.reserve(n);
  Engine engine(seed ^ (static_cast<std::uint64_t>(f) << 56));
  const auto generators = GeneratorsOf(f);
  for (std::size_t i = 0; i < n; ++i) out.push_back(generators[i % generators.size()](engine));
  return out;
}

std::vector<Arguments> HardArguments(Function f, std::size_t n, std::uint64_t seed) {
  std::vector<Arguments> out;
  if (f == Function::kSin || f == Function::kCos || f == Function::kTan) {
    const auto& fixed = ReductionWorstCases();
    const std::size_t take = std::min(fixed.size(), n / 2);
    for (std::size_t i = 0; i < take; ++i) out.push_back({fixed[i * fixed.size() / take], 0});
  }
  const auto generated = GeneratedArguments(f, n - out.size(), seed);
  out.insert(out.end(), generated.begin(), generated.end());
  return out;
}

}  // namespace numoria::maths_test

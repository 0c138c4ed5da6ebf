#pragma once

// Constants and tables of the mathematical functions, computed once to 2,000
// bits and rounded to sums of doubles (hexadecimal literals, so every
// compiler reads the same bits).

#include <cstdint>

#include "maths/double_double.h"

namespace numoria::maths {

// A triple-double: hi + mid + lo, each part below half an ulp of the one
// before, about 159 bits.
struct TD {
  double hi;
  double mid;
  double lo;
};

// The first two parts of a triple-double, for the double-double paths.
[[nodiscard]] inline DD ToDD(const TD& t) noexcept { return {t.hi, t.mid}; }

struct LogEntry {
  double r;
  TD minus_log_r;
};

struct SinCosEntry {
  TD sin;
  TD cos;
};

extern const std::uint64_t kTwoOverPiBits[24];
extern const TD kExp2Table[128];
extern const LogEntry kLogTable[256];
extern const TD kAtanTable[65];
extern const SinCosEntry kSinCosTable[52];
extern const TD kInverseFactorial[31];
extern const TD kInverse[41];

// The integer nearest to s >= 0 (halves up), the index of the table point
// j/64 nearest to a when s = 64 a. Not s + 0.5 truncated: that sum rounds,
// and s = 1/2 - 2^-54 (a the double below 2^-7) would give j = 1 with a
// below j/128, where a - j/64 is no longer exact.
[[nodiscard]] inline int NearestIndex(double s) noexcept {
  const int j = static_cast<int>(s);
  return s - j >= 0.5 ? j + 1 : j;
}

inline constexpr TD kLn2 = {0x1.62e42fefa39efp-1, 0x1.abc9e3b39803fp-56, 0x1.7b57a079a1934p-111};
inline constexpr TD kHalfPi = {0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54,
                               -0x1.f1976b7ed8fbcp-110};
inline constexpr TD kQuarterPi = {0x1.921fb54442d18p-1, 0x1.1a62633145c07p-55,
                                  -0x1.f1976b7ed8fbcp-111};

// ln 2 as a 42-bit head, so that e * head is exact for every exponent e,
// and a tail of three doubles.
inline constexpr double kLn2Head = 0x1.62e42fefa38p-1;
inline constexpr TD kLn2Tail = {0x1.ef35793c7673p-45, 0x1.f97b57a079a19p-103,
                                0x1.9ca62d8b62834p-158};

// ln(2)/128 as two 35-bit parts and a tail: k * part is exact for |k| < 2^18.
inline constexpr double kLn2By128Part0 = 0x1.62e42fef8p-8;
inline constexpr double kLn2By128Part1 = 0x1.1cf79abc8p-43;
inline constexpr TD kLn2By128Tail = {0x1.e3b39803f2f6bp-79, -0x1.7e1979b31ace9p-136,
                                     -0x1.d275f2e8a4745p-191};
inline constexpr double k128ByLn2 = 0x1.71547652b82fep+7;

}  // namespace numoria::maths

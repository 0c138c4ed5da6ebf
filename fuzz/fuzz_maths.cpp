// The seven functions of maths/maths.h against MPFR on any doubles: every
// result is the correctly rounded one, bit for bit (any NaN for NaN), so in
// particular within 1 ulp.
//
// Input: the first byte chooses the function, modulo 7 (sin, cos, tan, atan,
// log, exp, pow); then x, then y for pow, as little-endian doubles (zeros
// where the bytes run out).

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/fuzz_input.h"
#include "tests/maths/mpfr_reference.h"

namespace {

using numoria::maths_test::Function;

void Fail(Function f, double x, double y, const numoria::maths_test::Comparison& c) {
  std::fprintf(stderr, "\nBROKEN: %s(%a, %a) = %a, correctly rounded %a (%.3g ulp)\n",
               Name(f).data(), x, y, c.got, c.want, c.ulps);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  numoria::fuzz::Bytes bytes(data, size);
  const auto choice = numoria::fuzz::TakeInteger<std::uint8_t>(bytes);
  const Function f = numoria::maths_test::kFunctions[choice % numoria::maths_test::kFunctions.size()];
  const auto x = std::bit_cast<double>(numoria::fuzz::TakeInteger<std::uint64_t>(bytes));
  const auto y = std::bit_cast<double>(numoria::fuzz::TakeInteger<std::uint64_t>(bytes));
  const auto comparison = numoria::maths_test::Compare(f, x, y);
  if (!comparison.correct) Fail(f, x, y, comparison);
  return 0;
}

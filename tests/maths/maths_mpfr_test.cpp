// Every function against MPFR over its hard arguments: no result more than
// 1 ulp from the exact value, at most 1 in 10,000 not correctly rounded.

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <string>

#include "tests/maths/hard_arguments.h"
#include "tests/maths/mpfr_reference.h"

#ifndef NUMORIA_MATHS_ARGUMENTS
#define NUMORIA_MATHS_ARGUMENTS 1000000
#endif

namespace numoria::maths_test {
namespace {

constexpr std::size_t kArguments = NUMORIA_MATHS_ARGUMENTS;
constexpr int kReported = 20;

std::string Describe(Function f, double x, double y, const Comparison& c) {
  char arguments[64];
  if (Binary(f)) {
    std::snprintf(arguments, sizeof arguments, "%a, %a", x, y);
  } else {
    std::snprintf(arguments, sizeof arguments, "%a", x);
  }
  char text[200];
  std::snprintf(text, sizeof text, "%s(%s) = %a, want %a (%.3g ulp)", Name(f).data(), arguments,
                c.got, c.want, c.ulps);
  return text;
}

// A share of one function's arguments. Pow's reference costs about three
// times the others', so its arguments come in two halves that run side by side.
struct Share {
  Function f;
  int part;
  int parts;
};

constexpr Share kShares[] = {{Function::kSin, 0, 1},  {Function::kCos, 0, 1}, {Function::kTan, 0, 1},
                             {Function::kAtan, 0, 1}, {Function::kLog, 0, 1}, {Function::kExp, 0, 1},
                             {Function::kPow, 0, 2},  {Function::kPow, 1, 2}};

class MathsMpfrTest : public ::testing::TestWithParam<Share> {};

TEST_P(MathsMpfrTest, WithinOneUlpAndCorrectlyRounded) {
  const auto [f, part, parts] = GetParam();
  Tally tally;
  int reported = 0;
  for (const auto& [x, y] : HardArguments(f, kArguments / parts, 20261208 + part)) {
    const Comparison c = Compare(f, x, y);
    tally.Add(c, x, y);
    if (!c.correct && reported++ < kReported) {
      if (c.ulps > 1) ADD_FAILURE() << Describe(f, x, y, c);
      std::printf("not correctly rounded: %s\n", Describe(f, x, y, c).c_str());
    }
  }
  std::printf("%s: %" PRIu64 " arguments, %" PRIu64 " not correctly rounded, max error %.3g ulp\n",
              Name(f).data(), tally.count, tally.misrounded, tally.max_ulps);
  EXPECT_LE(tally.max_ulps, 1.0) << "worst: " << Name(f) << "(" << tally.worst_x << ", "
                                 << tally.worst_y << ")";
  EXPECT_LE(tally.misrounded * 10000, tally.count);
}

std::string ShareName(const ::testing::TestParamInfo<Share>& info) {
  std::string name(Name(info.param.f));
  if (info.param.parts > 1) {
    name.push_back('_');
    name.push_back(static_cast<char>('1' + info.param.part));
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Maths, MathsMpfrTest, ::testing::ValuesIn(kShares), ShareName);

}  // namespace
}  // namespace numoria::maths_test

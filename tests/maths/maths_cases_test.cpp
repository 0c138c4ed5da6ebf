// The same bits on every platform: the checked-in hard arguments of each
// function (tests/maths/cases/<name>.txt, made by make_maths_cases from MPFR)
// give their correctly rounded results bit for bit, and the special values
// follow IEEE 754 and C's Annex F. Needs no MPFR, so it runs on Windows too.
// Usage: maths_cases_test [gtest options] <folder of the case files>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>

#include "tests/maths/maths_functions.h"

namespace numoria::maths_test {
namespace {

std::string cases_folder;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kTiny = std::numeric_limits<double>::denorm_min();

struct Special {
  Function f;
  double x;
  double y;
  double want;
};

constexpr Special kSpecials[] = {
    {Function::kSin, 0.0, 0, 0.0}, {Function::kSin, -0.0, 0, -0.0},
    {Function::kSin, -kTiny, 0, -kTiny}, {Function::kSin, kInf, 0, kNaN},
    {Function::kSin, -kInf, 0, kNaN}, {Function::kSin, kNaN, 0, kNaN},
    {Function::kCos, -0.0, 0, 1.0}, {Function::kCos, kInf, 0, kNaN},
    {Function::kCos, kNaN, 0, kNaN}, {Function::kTan, -0.0, 0, -0.0},
    {Function::kTan, -kTiny, 0, -kTiny}, {Function::kTan, -kInf, 0, kNaN},
    {Function::kTan, kNaN, 0, kNaN}, {Function::kAtan, -0.0, 0, -0.0},
    // The double below 2^-7, at the end of a range.
    {Function::kSin, -0x1.fffffffffffffp-8, 0, -0x1.fffeaaaaeeeeep-8},
    {Function::kTan, 0x1.fffffffffffffp-8, 0, 0x1.00015557777aep-7},
    {Function::kAtan, 0x1.fffffffffffffp-8, 0, 0x1.fffd555bbba96p-8},
    {Function::kAtan, kInf, 0, 0x1.921fb54442d18p0}, {Function::kAtan, -kInf, 0, -0x1.921fb54442d18p0},
    {Function::kAtan, kNaN, 0, kNaN}, {Function::kLog, 0.0, 0, -kInf},
    {Function::kLog, -0.0, 0, -kInf}, {Function::kLog, 1.0, 0, 0.0},
    {Function::kLog, -kTiny, 0, kNaN}, {Function::kLog, -kInf, 0, kNaN},
    {Function::kLog, kInf, 0, kInf}, {Function::kLog, kNaN, 0, kNaN},
    {Function::kExp, -0.0, 0, 1.0}, {Function::kExp, -kInf, 0, 0.0},
    {Function::kExp, kInf, 0, kInf}, {Function::kExp, kNaN, 0, kNaN},
    {Function::kExp, 710, 0, kInf}, {Function::kExp, -746, 0, 0.0},
    {Function::kPow, kNaN, 0.0, 1.0}, {Function::kPow, kNaN, -0.0, 1.0},
    {Function::kPow, 1.0, kNaN, 1.0}, {Function::kPow, 1.0, -kInf, 1.0},
    {Function::kPow, -1.0, kInf, 1.0}, {Function::kPow, -1.0, -kInf, 1.0},
    {Function::kPow, -0.0, -3, -kInf}, {Function::kPow, 0.0, -3, kInf},
    {Function::kPow, -0.0, -2, kInf}, {Function::kPow, -0.0, -0.5, kInf},
    {Function::kPow, -0.0, -kInf, kInf}, {Function::kPow, -0.0, 3, -0.0},
    {Function::kPow, -0.0, 2, 0.0}, {Function::kPow, -0.0, 0.5, 0.0},
    {Function::kPow, -0.0, kInf, 0.0}, {Function::kPow, 0.5, -kInf, kInf},
    {Function::kPow, -2.0, -kInf, 0.0}, {Function::kPow, -0.5, kInf, 0.0},
    {Function::kPow, 2.0, kInf, kInf}, {Function::kPow, -kInf, -3, -0.0},
    {Function::kPow, -kInf, -2, 0.0}, {Function::kPow, -kInf, 3, -kInf},
    {Function::kPow, -kInf, 2.5, kInf}, {Function::kPow, kInf, -0.5, 0.0},
    {Function::kPow, kInf, 0.5, kInf}, {Function::kPow, -2.0, 0.5, kNaN},
    {Function::kPow, kNaN, 1.0, kNaN}, {Function::kPow, 2.0, kNaN, kNaN},
    {Function::kPow, -10, 401, -kInf}, {Function::kPow, -10, -401, -0.0},
    {Function::kPow, -1.0, 0x1.fffffffffffffp52, -1.0}, {Function::kPow, -1.0, 0x1.8p64, 1.0},
    {Function::kPow, -1.0, -0x1.fffffffffffffp1023, 1.0}, {Function::kPow, 2, -1074, kTiny},
    {Function::kPow, 2, -1075, 0.0}, {Function::kPow, -2, -1075, -0.0},
    {Function::kPow, 3, 34, 16677181699666568.0},  // 3^34 lies halfway: to even
};

TEST(MathsSpecialValuesTest, FollowAnnexF) {
  for (const auto& [f, x, y, want] : kSpecials) {
    const double got = Ours(f, x, y);
    EXPECT_TRUE(SameResult(got, want)) << Name(f) << "(" << x << ", " << y << ") = " << got
                                       << ", want " << want;
  }
}

// Lines "<x> [<y>] <result>" in hexadecimal bit patterns; '#' starts a comment.
TEST(MathsCasesTest, SameBitsAsTheCorrectlyRoundedResults) {
  for (const Function f : kFunctions) {
    const std::string path = cases_folder + "/" + std::string(Name(f)) + ".txt";
    std::ifstream in(path);
    ASSERT_TRUE(in) << "cannot read " << path;
    int count = 0;
    int wrong = 0;
    for (std::string line; std::getline(in, line);) {
      if (line.empty() || line[0] == '#') continue;
      std::istringstream fields(line);
      std::uint64_t x = 0, y = 0, want = 0;
      fields >> std::hex >> x;
      if (Binary(f)) fields >> y;
      fields >> want;
      ASSERT_FALSE(fields.fail()) << path << ": " << line;
      const double got = Ours(f, std::bit_cast<double>(x), std::bit_cast<double>(y));
      ++count;
      if (!SameResult(got, std::bit_cast<double>(want)) && ++wrong <= 20) {
        ADD_FAILURE() << Name(f) << ": " << line << " gave " << std::hex << Bits(got);
      }
    }
    std::printf("%s: %d cases, %d differ\n", Name(f).data(), count, wrong);
    EXPECT_GE(count, 1000) << path;
    EXPECT_EQ(wrong, 0) << Name(f);
  }
}

}  // namespace
}  // namespace numoria::maths_test

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s [gtest options] <folder of the case files>\n", argv[0]);
    return 2;
  }
  numoria::maths_test::cases_folder = argv[1];
  return RUN_ALL_TESTS();
}

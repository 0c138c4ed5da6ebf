// The longest formulas, nested as deep as they can be, evaluate on a thread
// whose whole stack is 256 KiB as well as on the main thread.

#include <gtest/gtest.h>
#include <pthread.h>

#include <cmath>
#include <random>
#include <string>

#include "expression/evaluator.h"

namespace numoria {
namespace {

struct Job {
  const std::u16string* formula;
  bool good = false;
  double value = 0.0;
};

void ExpectEverywhere(const std::u16string& formula, bool good, double value) {
  Job small{&formula};
  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  ASSERT_EQ(pthread_attr_setstacksize(&attributes, 256 * 1024), 0);
  pthread_t thread;
  const auto run = [](void* job) -> void* {
    auto* j = static_cast<Job*>(job);
    j->value = CalculateString(*j->formula, j->good, 1.0);
    return nullptr;
  };
  ASSERT_EQ(pthread_create(&thread, &attributes, run, &small), 0);
  pthread_attr_destroy(&attributes);
  pthread_join(thread, nullptr);
  Job main_thread{&formula};
  run(&main_thread);
  for (const Job& got : {small, main_thread}) {
    EXPECT_EQ(got.good, good);
    EXPECT_EQ(got.value, value);
  }
}

TEST(CalculateStringDepth, DeepestGroupsEvaluate) {
  constexpr std::size_t kDeepest = (kLongestFormula - 1) / 2;  // 16,382
  const std::u16string formula =
      std::u16string(kDeepest, u'(') + u"-7" + std::u16string(kDeepest, u')');
  ASSERT_EQ(formula.size(), kLongestFormula);
  ExpectEverywhere(formula, true, -7.0);
  ExpectEverywhere(u"(" + formula + u")", false, 0.0);  // one character too many
}

// Calls and groups nested at random, built from the inside out with the value
// computed alongside, then blanks up to the longest formula.
TEST(CalculateStringDepth, LongestMixtureEvaluates) {
  std::mt19937 random(5);
  std::u16string formula = u"0.5";
  double want = 0.5;
  for (;;) {
    const int kind = std::uniform_int_distribution<int>(0, 3)(random);
    const std::u16string wrapped = kind == 0   ? u"(" + formula + u")"
                                   : kind == 1 ? u"SIN(" + formula + u")"
                                   : kind == 2 ? u"POW(" + formula + u",1)*2"
                                               : u"POW(1.5,-" + formula + u")";
    if (wrapped.size() > kLongestFormula) break;
    formula = wrapped;
    want = kind == 0 ? want : kind == 1 ? std::sin(want) : kind == 2 ? want * 2 : std::pow(1.5, -want);
  }
  formula.resize(kLongestFormula, u' ');
  ExpectEverywhere(formula, true, want);
}

TEST(CalculateStringDepth, DeepMalformedFormulasFail) {
  std::u16string pows;
  while (pows.size() + 4 <= kLongestFormula) pows += u"POW(";
  for (const std::u16string& formula : {std::u16string(kLongestFormula, u'('), pows,
                                        std::u16string(kLongestFormula / 2, u'(') + u"1"}) {
    ExpectEverywhere(formula, false, 0.0);
  }
}

}  // namespace
}  // namespace numoria

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
  std::u16string formula;
  bool good = false;
  double value = 0.0;
};

void* Run(void* job) {
  auto* j = static_cast<Job*>(job);
  j->value = CalculateString(j->formula, j->good, 1.0);
  return nullptr;
}

void ExpectEverywhere(const std::u16string& formula, bool good, double value) {
  Job small{formula}, main_thread{formula};
  pthread_attr_t attributes;
  pthread_t thread;
  ASSERT_EQ(pthread_attr_init(&attributes), 0);
  ASSERT_EQ(pthread_attr_setstacksize(&attributes, 256 * 1024), 0);
  ASSERT_EQ(pthread_create(&thread, &attributes, Run, &small), 0);
  pthread_attr_destroy(&attributes);
  pthread_join(thread, nullptr);
  Run(&main_thread);
  for (const Job* got : {&small, &main_thread}) {
    EXPECT_EQ(got->good, good);
    EXPECT_EQ(got->value, value);
  }
}

TEST(CalculateStringDepth, DeepestGroupsEvaluateAndDeepMalformedFormulasFail) {
  constexpr std::size_t kDeepest = (kLongestFormula - 1) / 2;  // 16,382
  const std::u16string deepest =
      std::u16string(kDeepest, u'(') + u"-7" + std::u16string(kDeepest, u')');
  ASSERT_EQ(deepest.size(), kLongestFormula);
  std::u16string pows;
  while (pows.size() + 4 <= kLongestFormula) pows += u"POW(";
  ExpectEverywhere(deepest, true, -7.0);
  // One level past those the evaluation keeps without the heap.
  ExpectEverywhere(std::u16string(65, u'(') + u"1" + std::u16string(65, u')'), true, 1.0);
  for (const std::u16string& formula : {u"(" + deepest + u")",  // one character too many
                                        std::u16string(kLongestFormula, u'('), pows,
                                        std::u16string(kLongestFormula / 2, u'(') + u"1"}) {
    ExpectEverywhere(formula, false, 0.0);
  }
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
    want = kind == 0   ? want
           : kind == 1 ? std::sin(want)
           : kind == 2 ? want * 2
                       : std::pow(1.5, -want);
  }
  formula.resize(kLongestFormula, u' ');
  ExpectEverywhere(formula, true, want);
}

}  // namespace
}  // namespace numoria

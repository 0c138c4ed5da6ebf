#include <gtest/gtest.h>
#include <pthread.h>

#include <cmath>
#include <cstddef>
#include <random>
#include <string>
#include <utility>

#include "expression/evaluator.h"

namespace numoria {
namespace {

struct Outcome {
  bool good = false;
  double value = 0.0;
};

// Evaluates on a thread whose whole stack is 256 KiB.
Outcome EvaluateOnSmallStack(const std::u16string& formula) {
  struct Job {
    const std::u16string* formula;
    Outcome outcome;
  } job{&formula, {}};
  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  EXPECT_EQ(pthread_attr_setstacksize(&attributes, 256 * 1024), 0);
  pthread_t thread;
  const int created = pthread_create(
      &thread, &attributes,
      [](void* argument) -> void* {
        auto* j = static_cast<Job*>(argument);
        j->outcome.value = CalculateString(*j->formula, j->outcome.good, 1.0);
        return nullptr;
      },
      &job);
  pthread_attr_destroy(&attributes);
  EXPECT_EQ(created, 0);
  if (created == 0) pthread_join(thread, nullptr);
  return job.outcome;
}

void ExpectEverywhere(const std::u16string& formula, bool good, double value) {
  for (const Outcome got : {EvaluateOnSmallStack(formula), [&] {
                              Outcome o;
                              o.value = CalculateString(formula, o.good, 1.0);
                              return o;
                            }()}) {
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
  // One level more is one character too many.
  ExpectEverywhere(u"(" + formula + u")", false, 0.0);
}

// Calls and groups nested at random, built from the inside out with the value
// computed alongside, then blanks up to the longest formula.
TEST(CalculateStringDepth, LongestMixtureEvaluates) {
  std::mt19937 random(5);
  std::u16string formula = u"0.5";
  double want = 0.5;
  for (;;) {
    std::u16string wrapped;
    double value = want;
    switch (std::uniform_int_distribution<int>(0, 3)(random)) {
      case 0:
        wrapped = u"(" + formula + u")";
        break;
      case 1:
        wrapped = u"SIN(" + formula + u")", value = std::sin(want);
        break;
      case 2:
        wrapped = u"POW(" + formula + u",1)*2", value = std::pow(want, 1.0) * 2;
        break;
      default:
        wrapped = u"POW(1.5,-" + formula + u")", value = std::pow(1.5, -want);
        break;
    }
    if (wrapped.size() > kLongestFormula) break;
    formula = std::move(wrapped);
    want = value;
  }
  formula.resize(kLongestFormula, u' ');
  ExpectEverywhere(formula, true, want);
}

TEST(CalculateStringDepth, DeepMalformedFormulasFail) {
  const std::u16string opens(kLongestFormula, u'(');
  ExpectEverywhere(opens, false, 0.0);
  std::u16string pows;
  while (pows.size() + 4 <= kLongestFormula) pows += u"POW(";
  ExpectEverywhere(pows, false, 0.0);
  ExpectEverywhere(std::u16string(kLongestFormula / 2, u'(') + u"1", false, 0.0);
}

}  // namespace
}  // namespace numoria

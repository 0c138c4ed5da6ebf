// Random well-formed formulas, and the same with one character erased,
// inserted or replaced, must get exactly the value and verdict of a plain
// recursive reading.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "expression/evaluator.h"
#include "tests/expression/reference_evaluator.h"
#include "tests/support/checks.h"

namespace numoria {
namespace {

constexpr double kX = 1.5;

class FormulaMaker {
 public:
  explicit FormulaMaker(std::uint32_t seed) : random_(seed) {}

  std::u16string Make() {
    text_.clear();
    Expression(0);
    return text_;
  }

  std::size_t Pick(std::size_t most) {
    return std::uniform_int_distribution<std::size_t>(0, most)(random_);
  }

 private:
  void Expression(int depth) {
    const int terms = Count(3);
    for (int t = 0; t < terms; ++t) {
      if (t > 0) {
        Put(Chance(2) ? u'+' : u'-');
      } else if (Chance(4)) {
        Blanks(), Put(Chance(2) ? u'-' : u'+');  // a sign on the first factor
      }
      for (int f = Count(3); f > 0; --f) {
        Factor(depth);
        if (f > 1) Put(Chance(2) ? u'*' : u'/');
      }
    }
  }

  void Factor(int depth) {
    Blanks();
    const int kind = depth < 5 ? Count(12) : 1;
    if (kind == 11) {
      Put(u'('), Expression(depth + 1), Put(u')');
    } else if (kind == 12) {
      text_ += u"POW";
      Blanks(), Put(u'('), Expression(depth + 1), Put(u',');
      // Mostly a small whole exponent: keeps negative bases in the domain.
      Chance(4) ? Expression(depth + 1) : Put(u"0123"[Count(4) - 1]);
      Put(u')');
    } else {
      kind == 10 ? Put(u'X') : Number();
    }
    Blanks();
  }

  // Digits with blanks among them, a fraction and an exponent now and then.
  void Number() {
    auto digits = [&](int most) {
      for (int n = Count(most); n > 0; --n) {
        Put(static_cast<char16_t>(u'0' + Count(10) - 1));
        if (Chance(6)) Put(u' ');
      }
    };
    digits(Chance(16) ? 25 : 4);
    if (Chance(3)) {
      Put(u'.');
      if (!Chance(5)) digits(Chance(16) ? 25 : 4);
    }
    if (Chance(5)) {
      Put(u'E'), Blanks();
      if (Chance(2)) Put(Chance(2) ? u'-' : u'+'), Blanks();
      digits(Chance(10) ? 3 : 2);
    }
  }

  void Put(char16_t c) { text_ += c; }
  void Blanks() {
    if (Chance(4)) text_.append(static_cast<std::size_t>(Count(2)), u' ');
  }
  int Count(int most) { return std::uniform_int_distribution<int>(1, most)(random_); }
  bool Chance(int one_in) { return Count(one_in) == 1; }

  std::mt19937 random_;
  std::u16string text_;
};

void ExpectAsReference(const std::u16string& formula) {
  SCOPED_TRACE(testing::Narrow(formula));
  bool good = false;
  const double got = CalculateString(formula, good, kX);
  const auto want = testing::ReferenceEvaluator(formula, kX).Evaluate();
  ASSERT_EQ(good, want.good);
  testing::ExpectSameBits(got, want.value);
}

TEST(CalculateStringProperty, RandomAndMutatedFormulasAgreeWithAPlainReading) {
  constexpr std::u16string_view kAlphabet = u"0123456789.E+-*/(),X POW\t";
  FormulaMaker maker(20240611);
  int evaluated = 0;
  for (int i = 0; i < 20'000; ++i) {
    std::u16string formula = maker.Make();
    evaluated += testing::ReferenceEvaluator(formula, kX).Evaluate().good ? 1 : 0;
    ASSERT_NO_FATAL_FAILURE(ExpectAsReference(formula));
    const std::size_t at = maker.Pick(formula.size() - 1);
    const char16_t c = kAlphabet[maker.Pick(kAlphabet.size() - 1)];
    if (i % 3 == 0) formula.erase(at, 1);
    if (i % 3 == 1) formula.insert(at, 1, c);
    if (i % 3 == 2) formula[at] = c;
    ASSERT_NO_FATAL_FAILURE(ExpectAsReference(formula));
  }
  EXPECT_GT(evaluated, 15'000);  // well-formed: run-time errors stay the exception
}

}  // namespace
}  // namespace numoria

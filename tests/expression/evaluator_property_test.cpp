#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include "expression/evaluator.h"
#include "tests/expression/reference_evaluator.h"

namespace numoria {
namespace {

using testing::Combine;
using testing::Value;

constexpr double kX = 1.5;

// Writes a random well-formed formula and computes its value as it goes,
// applying each level's operators from left to right.
class FormulaMaker {
 public:
  explicit FormulaMaker(std::uint32_t seed) : random_(seed) {}

  Value Make(std::u16string& text) {
    text_.clear();
    const Value value = Expression(0);
    text = text_;
    return value;
  }

 private:
  Value Expression(int depth) {
    Value sum;
    const int terms = Count(3);
    for (int t = 0; t < terms; ++t) {
      const char16_t add = t == 0 ? u'+' : Put(Chance(2) ? u'+' : u'-');
      Value product;
      const int factors = Count(3);
      for (int f = 0; f < factors; ++f) {
        const char16_t multiply = f == 0 ? u'*' : Put(Chance(2) ? u'*' : u'/');
        const Value v = t == 0 && f == 0 ? SignedFactor(depth) : Factor(depth);
        product = f == 0 ? v : Combine(product, multiply, v);
      }
      sum = t == 0 ? product : Combine(sum, add, product);
    }
    return sum;
  }

  Value SignedFactor(int depth) {
    Blanks();
    double sign = 1.0;
    if (Chance(4)) sign = Put(Chance(2) ? u'-' : u'+') == u'-' ? -1.0 : 1.0;
    const Value f = Factor(depth);
    return f ? Value(sign * *f) : std::nullopt;
  }

  Value Factor(int depth) {
    Blanks();
    Value v;
    const int kind = depth < kDeepest ? Count(12) : 1;
    if (kind == 11) {
      Put(u'(');
      v = Expression(depth + 1);
      Put(u')');
    } else if (kind == 12) {
      text_ += u"POW";
      Blanks();
      Put(u'(');
      const Value base = Expression(depth + 1);
      Put(u',');
      // Mostly a small whole exponent: keeps negative bases in the domain.
      const Value exponent =
          Chance(4) ? Expression(depth + 1) : Value(Put(u"0123"[Count(4) - 1]) - u'0');
      Put(u')');
      v = base && exponent ? testing::Finite(std::pow(*base, *exponent)) : std::nullopt;
    } else if (kind == 10) {
      Put(u'X');
      v = kX;
    } else {
      v = Number();
    }
    Blanks();
    return v;
  }

  // Digits with blanks among them, a fraction and an exponent now and then.
  Value Number() {
    std::string ascii;
    auto digits = [&](int most) {
      for (int n = Count(most); n > 0; --n) {
        ascii += static_cast<char>('0' + Count(10) - 1);
        Put(static_cast<char16_t>(ascii.back()));
        if (Chance(6)) Put(u' ');
      }
    };
    digits(Chance(16) ? 25 : 4);
    if (Chance(3)) {
      ascii += Put(u'.');
      if (!Chance(5)) digits(Chance(16) ? 25 : 4);
    }
    if (Chance(5)) {
      ascii += Put(u'E');
      Blanks();
      if (Chance(2)) ascii += static_cast<char>(Put(Chance(2) ? u'-' : u'+')), Blanks();
      digits(Chance(10) ? 3 : 2);  // at least one digit: a bare "E" would take a sign after it
    }
    return testing::NumberValue(ascii);
  }

  char16_t Put(char16_t c) {
    text_ += c;
    return c;
  }
  void Blanks() {
    if (Chance(4)) text_.append(static_cast<std::size_t>(Count(2)), u' ');
  }
  int Count(int most) { return std::uniform_int_distribution<int>(1, most)(random_); }
  bool Chance(int one_in) { return Count(one_in) == 1; }

  static constexpr int kDeepest = 5;
  std::mt19937 random_;
  std::u16string text_;
};

std::string Narrow(std::u16string_view text) { return {text.begin(), text.end()}; }

void ExpectSameBits(double got, double want) {
  EXPECT_EQ(std::bit_cast<std::uint64_t>(got), std::bit_cast<std::uint64_t>(want))
      << got << " want " << want;
}

TEST(CalculateStringProperty, RandomFormulasHaveTheirComputedValue) {
  FormulaMaker maker(20240611);
  int evaluated = 0;
  for (int i = 0; i < 20'000; ++i) {
    std::u16string formula;
    const Value want = maker.Make(formula);
    SCOPED_TRACE(Narrow(formula));
    bool good = false;
    const double got = CalculateString(formula, good, kX);
    ASSERT_EQ(good, want.has_value());
    if (want) {
      ++evaluated;
      ExpectSameBits(got, *want);
    }
  }
  EXPECT_GT(evaluated, 15'000);  // run-time errors stay the exception
}

TEST(CalculateStringProperty, MutatedFormulasAgreeWithAPlainReading) {
  constexpr std::u16string_view kAlphabet = u"0123456789.E+-*/(),X POW\t";
  FormulaMaker maker(7);
  std::mt19937 random(11);
  auto pick = [&](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n)(random);
  };
  for (int i = 0; i < 20'000; ++i) {
    std::u16string formula;
    static_cast<void>(maker.Make(formula));
    const std::size_t at = pick(formula.size() - 1);
    const char16_t c = kAlphabet[pick(kAlphabet.size() - 1)];
    switch (i % 3) {
      case 0:
        formula.erase(at, 1);
        break;
      case 1:
        formula.insert(at, 1, c);
        break;
      default:
        formula[at] = c;
        break;
    }
    SCOPED_TRACE(Narrow(formula));
    bool good = false;
    const double got = CalculateString(formula, good, kX);
    const auto want = testing::ReferenceEvaluator(formula, kX).Evaluate();
    ASSERT_EQ(good, want.good);
    ExpectSameBits(got, want.value);
    if (good) {
      EXPECT_TRUE(std::isfinite(got));
    }
  }
}

}  // namespace
}  // namespace numoria

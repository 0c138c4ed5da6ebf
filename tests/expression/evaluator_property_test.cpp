// Random well-formed formulas, and the same with one character erased,
// inserted or replaced, must get exactly the value and verdict of a plain
// recursive reading of the grammar (numbers, X, signs, the four operators,
// groups and POW; numbers converted by strtod).

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>

#include "expression/evaluator.h"
#include "tests/support/checks.h"

namespace numoria {
namespace {

constexpr double kX = 1.5;

using Value = std::optional<double>;  // nullopt: a failure

[[nodiscard]] Value Finite(double v) { return std::isfinite(v) ? Value(v) : std::nullopt; }

struct PlainReading {
  std::u16string_view text;
  std::size_t pos = 0;

  // Operators of one level apply from left to right; only the first factor
  // of an Expression may carry a sign.
  Value Expression() {
    Blanks();
    const double sign = Take(u'-') ? -1.0 : (Take(u'+'), 1.0);
    Value acc = Term(sign);
    while (acc && (At(u'+') || At(u'-'))) {
      const bool minus = text[pos++] == u'-';
      const Value term = Term(1.0);
      acc = term ? Finite(minus ? *acc - *term : *acc + *term) : std::nullopt;
    }
    return acc;
  }

  Value Term(double sign) {
    Value acc = Factor();
    if (acc) acc = sign * *acc;
    while (acc && (At(u'*') || At(u'/'))) {
      const bool divide = text[pos++] == u'/';
      const Value f = Factor();
      acc = !f || (divide && *f == 0.0) ? std::nullopt : Finite(divide ? *acc / *f : *acc * *f);
    }
    return acc;
  }

  Value Factor() {
    Blanks();
    if (Digit()) return Number();
    Value v, exponent;
    if (Take(u'X')) {
      v = Finite(kX);
    } else if (text.substr(pos).starts_with(u"POW")) {
      pos += 3;
      Blanks();
      if (!Take(u'(') || !(v = Expression()) || !Take(u',') || !(exponent = Expression()) ||
          !Take(u')')) {
        return std::nullopt;
      }
      v = Finite(std::pow(*v, *exponent));
    } else if (!Take(u'(') || !(v = Expression()) || !Take(u')')) {
      return std::nullopt;
    }
    Blanks();
    return v;
  }

  // Digits and blanks, "." digits and blanks, "E" [sign] digits and blanks;
  // the sign belongs to the exponent only when a digit follows it.
  Value Number() {
    std::string ascii;
    const auto digits = [&] {
      for (; Digit() || At(u' '); ++pos) {
        if (Digit()) ascii += static_cast<char>(text[pos]);
      }
    };
    digits();
    if (Take(u'.')) ascii += '.', digits();
    if (Take(u'E')) {
      ascii += 'E';
      const std::size_t after_e = pos;
      Blanks();
      if (At(u'+') || At(u'-')) {
        const char sign = static_cast<char>(text[pos++]);
        Blanks();
        Digit() ? void(ascii += sign) : void(pos = after_e);
      }
      digits();
    }
    return Finite(std::strtod(ascii.c_str(), nullptr));
  }

  bool At(char16_t c) const { return pos < text.size() && text[pos] == c; }
  bool Digit() const { return pos < text.size() && text[pos] >= u'0' && text[pos] <= u'9'; }
  bool Take(char16_t c) { return At(c) ? (++pos, true) : false; }
  void Blanks() {
    while (At(u' ')) ++pos;
  }
};

// Formulas of the same grammar, blanks sprinkled among the tokens and the
// digits, nested five levels at most.
struct FormulaMaker {
  std::mt19937 random{20240611};
  std::u16string text;

  int Count(int most) { return std::uniform_int_distribution<int>(1, most)(random); }
  bool Chance(int one_in) { return Count(one_in) == 1; }
  void Add(std::u16string_view s) { text += s; }
  void Blanks() { text.append(Chance(4) ? static_cast<std::size_t>(Count(2)) : 0, u' '); }
  // A few digits, now and then many, blanks among them.
  void Digits(int most = 0) {
    for (int n = Count(most > 0 ? most : Chance(16) ? 25 : 4); n > 0; --n) {
      text += static_cast<char16_t>(u'0' + Count(10) - 1);
      if (Chance(6)) Add(u" ");
    }
  }

  void Expression(int depth) {
    for (int t = 0, terms = Count(3); t < terms; ++t) {
      if (t > 0) Add(Chance(2) ? u"+" : u"-");
      if (t == 0 && Chance(4)) Blanks(), Add(Chance(2) ? u"-" : u"+");  // a signed first factor
      for (int f = Count(3); f > 0; --f) {
        Factor(depth);
        if (f > 1) Add(Chance(2) ? u"*" : u"/");
      }
    }
  }

  void Factor(int depth) {
    Blanks();
    const int kind = depth < 5 ? Count(12) : 1;
    if (kind == 11) {
      Add(u"("), Expression(depth + 1), Add(u")");
    } else if (kind == 12) {
      Add(u"POW"), Blanks(), Add(u"("), Expression(depth + 1), Add(u",");
      // Mostly a small whole exponent: keeps negative bases in the domain.
      Chance(4) ? Expression(depth + 1) : void(text += u"0123"[Count(4) - 1]);
      Add(u")");
    } else if (kind == 10) {
      Add(u"X");
    } else {
      Digits();
      if (Chance(3)) {
        Add(u".");
        if (!Chance(5)) Digits();
      }
      if (Chance(5)) {
        Add(u"E"), Blanks();
        if (Chance(2)) Add(Chance(2) ? u"-" : u"+"), Blanks();
        Digits(Chance(10) ? 3 : 2);
      }
    }
    Blanks();
  }
};

TEST(CalculateStringProperty, RandomAndMutatedFormulasAgreeWithAPlainReading) {
  constexpr std::u16string_view kAlphabet = u"0123456789.E+-*/(),X POW\t";
  FormulaMaker maker;
  int evaluated = 0;
  for (int i = 0; i < 20'000; ++i) {
    maker.text.clear();
    maker.Expression(0);
    std::u16string mutated = maker.text;
    const auto pick = [&](std::size_t n) {
      return static_cast<std::size_t>(maker.Count(static_cast<int>(n)) - 1);
    };
    const std::size_t at = pick(mutated.size());
    const char16_t c = kAlphabet[pick(kAlphabet.size())];
    if (i % 3 == 0) mutated.erase(at, 1);
    if (i % 3 == 1) mutated.insert(at, 1, c);
    if (i % 3 == 2) mutated[at] = c;
    for (const std::u16string* text : {&maker.text, &mutated}) {
      SCOPED_TRACE(testing::Narrow(*text));
      PlainReading reading{*text};
      const Value want = reading.Expression();
      const bool want_good = want && reading.pos == text->size();
      evaluated += text == &maker.text && want_good ? 1 : 0;
      bool good = false;
      testing::ExpectSameBits(CalculateString(*text, good, kX), want.value_or(0.0));
      EXPECT_EQ(good, want_good);
      if (HasFailure()) return;  // one counterexample is enough
    }
  }
  EXPECT_GT(evaluated, 15'000);  // well-formed: run-time errors stay the exception
}

}  // namespace
}  // namespace numoria

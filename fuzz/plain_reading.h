#pragma once

// A second, plain reading of the formula grammar without functions other than
// POW (numbers, X, signs, the four operators, groups), to compare
// CalculateString with: recursive descent over the text, numbers converted by
// strtod, every intermediate result checked for being finite.

#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "maths/maths.h"

namespace numoria::fuzz {

class PlainReading {
 public:
  using Value = std::optional<double>;  // nullopt: a failure

  struct Result {
    Value value;  // of the leading Expression
    bool whole;   // it spans the whole text
  };

  // What CalculateString must return: the leading Expression's value (0 on
  // a failure), and success only when that Expression is the whole text.
  [[nodiscard]] static Result Of(std::u16string_view text, double x) {
    PlainReading reading(text, x);
    const Value value = reading.Expression();
    return {value, reading.pos_ == text.size()};
  }

 private:
  PlainReading(std::u16string_view text, double x) : text_(text), x_(x) {}

  [[nodiscard]] static Value Finite(double v) { return std::isfinite(v) ? Value(v) : std::nullopt; }

  // Operators of one level apply from left to right; only the first factor
  // of an Expression may carry a sign.
  Value Expression() {
    Blanks();
    const double sign = Take(u'-') ? -1.0 : (Take(u'+'), 1.0);
    Value acc = Term(sign);
    while (acc && (At(u'+') || At(u'-'))) {
      const bool minus = text_[pos_++] == u'-';
      const Value term = Term(1.0);
      acc = term ? Finite(minus ? *acc - *term : *acc + *term) : std::nullopt;
    }
    return acc;
  }

  Value Term(double sign) {
    Value acc = Factor();
    if (acc) acc = sign * *acc;
    while (acc && (At(u'*') || At(u'/'))) {
      const bool divide = text_[pos_++] == u'/';
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
      v = Finite(x_);
    } else if (text_.substr(pos_).starts_with(u"POW")) {
      pos_ += 3;
      Blanks();
      if (!Take(u'(') || !(v = Expression()) || !Take(u',') || !(exponent = Expression()) ||
          !Take(u')')) {
        return std::nullopt;
      }
      // The evaluator's own power: the reading checks the grammar, and the
      // platform's pow is not correctly rounded everywhere (mingw-w64's).
      v = Finite(maths::Pow(*v, *exponent));
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
      for (; Digit() || At(u' '); ++pos_) {
        if (Digit()) ascii += static_cast<char>(text_[pos_]);
      }
    };
    digits();
    if (Take(u'.')) ascii += '.', digits();
    if (Take(u'E')) {
      ascii += 'E';
      const std::size_t after_e = pos_;
      Blanks();
      if (At(u'+') || At(u'-')) {
        const char sign = static_cast<char>(text_[pos_++]);
        Blanks();
        Digit() ? void(ascii += sign) : void(pos_ = after_e);
      }
      digits();
    }
    return Finite(std::strtod(ascii.c_str(), nullptr));
  }

  [[nodiscard]] bool At(char16_t c) const { return pos_ < text_.size() && text_[pos_] == c; }
  [[nodiscard]] bool Digit() const {
    return pos_ < text_.size() && text_[pos_] >= u'0' && text_[pos_] <= u'9';
  }
  bool Take(char16_t c) { return At(c) ? (++pos_, true) : false; }
  void Blanks() {
    while (At(u' ')) ++pos_;
  }

  std::u16string_view text_;
  double x_;
  std::size_t pos_ = 0;
};

}  // namespace numoria::fuzz

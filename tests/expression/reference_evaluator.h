#pragma once

// A plain recursive reading of the formula grammar restricted to numbers, X,
// signs, the four operators, groups and POW, to check the evaluator on
// arbitrary texts of small depth. Numbers are converted by strtod.

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace numoria::testing {

class ReferenceEvaluator {
 public:
  ReferenceEvaluator(std::u16string_view text, double x) : text_(text), x_(x) {}

  struct Result {
    bool good;
    double value;  // as CalculateString returns it
  };

  [[nodiscard]] Result Evaluate() {
    const Value v = Expression();
    return {v.has_value() && pos_ == text_.size(), v.value_or(0.0)};
  }

 private:
  using Value = std::optional<double>;  // nullopt: a failure

  static Value Finite(double v) { return std::isfinite(v) ? Value(v) : std::nullopt; }

  static Value Combine(Value a, char16_t op, Value b) {
    if (!a || !b || (op == u'/' && *b == 0.0)) return std::nullopt;
    return Finite(op == u'+' ? *a + *b : op == u'-' ? *a - *b : op == u'*' ? *a * *b : *a / *b);
  }

  // Operators of one level apply from left to right.
  Value Expression() {
    Value acc = Term(true);
    while (acc && (At(u'+') || At(u'-'))) {
      const char16_t op = text_[pos_++];  // before the operand is read
      acc = Combine(acc, op, Term(false));
    }
    return acc;
  }

  Value Term(bool signed_first) {
    Value acc = signed_first ? SignedFactor() : Factor();
    while (acc && (At(u'*') || At(u'/'))) {
      const char16_t op = text_[pos_++];
      acc = Combine(acc, op, Factor());
    }
    return acc;
  }

  Value SignedFactor() {
    Blanks();
    double sign = 1.0;
    if (At(u'-') || At(u'+')) sign = text_[pos_++] == u'-' ? -1.0 : 1.0;
    const Value f = Factor();
    return f ? Value(sign * *f) : std::nullopt;
  }

  Value Factor() {
    Blanks();
    Value v;
    if (Take(u'X')) {
      v = Finite(x_);
    } else if (Digit()) {
      return Number();
    } else if (text_.substr(pos_).starts_with(u"POW")) {
      pos_ += 3;
      Blanks();
      if (!Take(u'(')) return std::nullopt;
      const Value base = Expression();
      if (!base || !Take(u',')) return std::nullopt;
      const Value exponent = Expression();
      if (!exponent || !Take(u')')) return std::nullopt;
      v = Finite(std::pow(*base, *exponent));
    } else {
      if (!Take(u'(')) return std::nullopt;
      v = Expression();
      if (!v || !Take(u')')) return std::nullopt;
    }
    Blanks();
    return v;
  }

  // Digits and blanks, "." digits and blanks, "E" [sign] digits and blanks;
  // the sign belongs to the exponent only when a digit follows it.
  Value Number() {
    std::string ascii;
    const auto take = [&](bool sign_allowed) {
      for (; Digit() || At(u' ') || (sign_allowed && (At(u'+') || At(u'-'))); ++pos_) {
        if (At(u' ')) continue;
        sign_allowed = false;
        ascii += static_cast<char>(text_[pos_]);
      }
    };
    take(false);
    if (At(u'.')) ascii += '.', ++pos_, take(false);
    if (Take(u'E')) {
      const std::size_t after_e = pos_;
      Blanks();
      const bool signed_digits = (At(u'+') || At(u'-')) && (++pos_, Blanks(), Digit());
      pos_ = after_e;
      ascii += 'E';
      take(signed_digits);
    }
    return Finite(std::strtod(ascii.c_str(), nullptr));
  }

  bool At(char16_t c) const { return pos_ < text_.size() && text_[pos_] == c; }
  bool Digit() const { return pos_ < text_.size() && text_[pos_] >= u'0' && text_[pos_] <= u'9'; }
  bool Take(char16_t c) { return At(c) ? (++pos_, true) : false; }
  void Blanks() {
    while (At(u' ')) ++pos_;
  }

  std::u16string_view text_;
  double x_;
  std::size_t pos_ = 0;
};

}  // namespace numoria::testing

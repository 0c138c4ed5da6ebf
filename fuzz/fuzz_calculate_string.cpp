// Formulas of every shape into CalculateString. What its callers rely on:
// it returns normally (it is noexcept, so a throw would terminate); a success
// carries a finite value; the same text gives the same outcome bit for bit,
// whatever Good held before the call; blanks before or after a successful
// formula change nothing; a ")" after a complete formula fails it; and no
// text longer than 32,766 characters succeeds. A formula of the plain grammar
// gets exactly the value and verdict of a second, plain reading of it.
//
// Input: the first byte chooses how the rest becomes a formula (bits 0-1,
// unless bit 5 is set) and the value of X (bits 2-4):
//   0  the bytes as UTF-16 code units, any text at all;
//   1  one formula character a byte, from the characters the grammar knows;
//   2  one token a byte (function names with their "(", numbers, operators);
//   3  nesting: a 16-bit depth, a byte choosing the opening (low three
//      bits) and the depth's range (top three bits), and a formula of
//      characters as in 1, wrapped depth times;
//   bit 5 set: a formula of the plain grammar, made by FormulaMaker.

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "expression/evaluator.h"
#include "fuzz/formula_maker.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/plain_reading.h"

namespace {

using numoria::fuzz::Bits;
using numoria::fuzz::Bytes;
using numoria::fuzz::Check;

constexpr std::u16string_view kCharacters = u"0123456789.E+-*/(), XSINCOTALGPWR";

constexpr std::array<std::u16string_view, 32> kTokens = {
    u"SIN(", u"COS(", u"TAN(", u"LOG(", u"LN(", u"EXP(", u"ARCTAN(", u"ARCSIN(",
    u"ARCCOS(", u"POW(", u"(", u")", u",", u"X", u"+", u"-",
    u"*", u"/", u" ", u".", u"E", u"0", u"1", u"2",
    u"7", u"0.5", u"1E308", u"1E-5", u"709.8", u"SIN", u"POW", u"-1"};

// Each opening is closed by exactly one ")".
constexpr std::array<std::u16string_view, 8> kOpenings = {
    u"(", u"-(", u"SIN(", u"ARCTAN(", u"POW(1,", u"1+(", u"( ", u"2*("};

constexpr std::array<double, 8> kXValues = {1, 0, -1, 2, 0.5, 3, 1e300, -1e-300};

// One past the last character lands on a 16-bit position of at most 32,767.
constexpr std::size_t kLongestFormula = 32766;
constexpr std::size_t kDeepest = 16400;

struct Outcome {
  double value;
  bool good;
};

[[nodiscard]] Outcome Evaluate(std::u16string_view formula, double x, bool good_before = false) {
  bool good = good_before;
  const double value = numoria::CalculateString(formula, good, x);
  return {value, good};
}

[[nodiscard]] bool Same(Outcome a, Outcome b) { return a.good == b.good && Bits(a.value) == Bits(b.value); }

[[nodiscard]] std::u16string FromTokens(Bytes bytes) {
  std::u16string formula;
  for (const std::uint8_t byte : bytes) {
    formula += kTokens[byte % kTokens.size()];
  }
  return formula;
}

// Deep formulas cost milliseconds each, so only one choice byte in eight
// (top three bits set) goes deeper than 63 levels.
[[nodiscard]] std::u16string Nested(Bytes bytes) {
  const auto raw_depth = numoria::fuzz::TakeInteger<std::uint16_t>(bytes);
  const auto choice = numoria::fuzz::TakeInteger<std::uint8_t>(bytes);
  const std::size_t depth = raw_depth % ((choice >> 5) == 7 ? kDeepest : 64);
  const auto opening = kOpenings[choice % kOpenings.size()];
  std::u16string formula;
  formula.reserve(depth * (opening.size() + 1) + bytes.size());
  for (std::size_t i = 0; i < depth; ++i) {
    formula += opening;
  }
  formula += numoria::fuzz::FromAlphabet(bytes, kCharacters);
  formula.append(depth, u')');
  return formula;
}

[[nodiscard]] std::u16string Formula(std::uint8_t mode, Bytes rest) {
  switch (mode & 3) {
    case 0:
      return numoria::fuzz::Utf16(rest);
    case 1:
      return numoria::fuzz::FromAlphabet(rest, kCharacters);
    case 2:
      return FromTokens(rest);
    default:
      return Nested(rest);
  }
}

[[nodiscard]] std::u16string UpperCased(std::u16string text) {
  for (char16_t& c : text) {
    if (c >= u'a' && c <= u'z') {
      c = static_cast<char16_t>(c - u'a' + u'A');
    }
  }
  return text;
}

// Evaluates twice, the second time with Good already true, so a path that
// forgets to clear the flag shows up as a different outcome.
[[nodiscard]] Outcome EvaluateTwice(const std::u16string& formula, double x) {
  const Outcome first = Evaluate(formula, x);
  Check(Same(first, Evaluate(formula, x, true)), "the same formula gave a different outcome", formula);
  Check(!first.good || std::isfinite(first.value), "a success with a value that is not finite", formula);
  Check(!first.good || formula.size() <= kLongestFormula, "a formula over 32,766 characters succeeded", formula);
  return first;
}

void CheckSuccess(const std::u16string& formula, Outcome outcome, double x) {
  Check(!Evaluate(formula + u")", x).good, "a \")\" after a complete formula was accepted", formula);
  if (formula.size() < kLongestFormula) {
    Check(Same(outcome, Evaluate(u" " + formula, x)), "a leading blank changed the outcome", formula);
    Check(Same(outcome, Evaluate(formula + u" ", x)), "a trailing blank changed the outcome", formula);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Bytes rest(data, size);
  const auto mode = numoria::fuzz::TakeInteger<std::uint8_t>(rest);
  const double x = kXValues[(mode >> 2) % kXValues.size()];
  const bool plain = (mode & 0x20) != 0;
  const std::u16string formula = plain ? numoria::fuzz::FormulaMaker::Make(rest) : Formula(mode, rest);

  const Outcome outcome = EvaluateTwice(formula, x);
  if (plain) {
    const auto [value, whole] = numoria::fuzz::PlainReading::Of(formula, x);
    Check(Same(outcome, {value.value_or(0.0), value && whole}),
          "the value or verdict differs from the plain reading", formula);
  }
  if (outcome.good) {
    CheckSuccess(formula, outcome, x);
  }
  // The panel's upper-cased copy: for a text without a-z it is the text itself.
  const std::u16string upper = UpperCased(formula);
  if (upper != formula) {
    (void)EvaluateTwice(upper, x);
  }
  return 0;
}

// The formula evaluator behind CalculateString.
//
//   Expression   = SignedTerm { ("+" | "-") Term }
//   SignedTerm   = SignedFactor { ("*" | "/") Factor }
//   Term         = Factor { ("*" | "/") Factor }
//   SignedFactor = [ "-" | "+" ] Factor
//   Factor       = "X" | Number | FunctionCall | Group
//   FunctionCall = Name Group | "POW" "(" Expression "," Expression ")"
//   Group        = "(" Expression ")"
//
// No tokens and no tree: the characters are read once, left to right, and an
// operand joins its level's running product or sum as soon as it is read, so
// the operators of one level apply from left to right. The first failure,
// malformed text or a run-time error alike, ends the evaluation.
//
// Depth: a Group and each argument of POW hold a whole Expression. Recursion
// would cost native stack per level, and the longest formula (32,766
// characters) nests 16,382 levels, too deep for a small thread stack. So the
// procedures are the steps of one loop (Run), and entering a nested
// Expression saves the enclosing Level (32 bytes) on an explicit stack: 64
// levels inside the evaluation object, beyond that one heap block with room
// for one level per character of the formula, since every level is opened by
// a "(" of its own. Native stack use is constant whatever the formula.

#include "expression/evaluator.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>

#include "expression/functions.h"
#include "expression/scanner.h"

namespace numoria {
namespace {

using expression::Function;
using expression::MatchAt;
using expression::SkipBlanks;

// What ends the Expression of a level.
enum class Closing : std::uint8_t { kEnd, kGroup, kCall, kPowBase, kPowExponent };

// One Expression being read: the terms summed so far, the factors of the
// current term multiplied so far, the operators waiting for the next term and
// factor, and how the Expression closes.
struct Level {
  double sum;
  double prod;
  double base;  // POW's first argument while its second is read
  bool subtract;
  bool divide;
  Closing closing;
  Function function;  // for kCall
};
static_assert(sizeof(Level) == 32);

// -0 is the identity of +, and 1 × f is f: the first term and factor go
// through the same operations as the later ones and keep their sign bit.
[[nodiscard]] constexpr Level FreshLevel(Closing closing, Function function = Function::kNone,
                                         double base = 0.0) noexcept {
  return {-0.0, 1.0, base, false, false, closing, function};
}

// The enclosing levels of the one being read.
class LevelStack {
 public:
  explicit LevelStack(std::size_t most_levels) noexcept : most_(most_levels) {}

  [[nodiscard]] bool Push(const Level& level) {
    if (size_ == capacity_ && !Grow()) return false;
    data_[size_++] = level;
    return true;
  }

  [[nodiscard]] Level Pop() noexcept { return data_[--size_]; }

 private:
  // Moves to the heap, once, with room for the deepest nesting the text allows.
  bool Grow() {
    if (most_ <= capacity_) return false;
    heap_ = std::make_unique_for_overwrite<Level[]>(most_);
    std::copy_n(data_, size_, heap_.get());
    data_ = heap_.get();
    capacity_ = most_;
    return true;
  }

  static constexpr std::size_t kInlineLevels = 64;
  std::array<Level, kInlineLevels> inline_;  // left unset: written before read
  std::unique_ptr<Level[]> heap_;
  Level* data_ = inline_.data();
  std::size_t size_ = 0;
  std::size_t capacity_ = kInlineLevels;
  std::size_t most_;
};

class Evaluation {
 public:
  Evaluation(std::u16string_view text, double x) noexcept
      : text_(text), x_(x), enclosing_(text.size() + 1) {}

  // Reads one Expression from the start of the text. False when it fails;
  // otherwise value is its value and position() where it ended.
  [[nodiscard]] bool Run(double& value);

  [[nodiscard]] std::size_t position() const noexcept { return pos_; }

 private:
  enum class Step : std::uint8_t { kFactor, kOperand, kClose, kDone, kFail };

  Step EvalExpression(Closing closing, Function function = Function::kNone, double base = 0.0);
  Step EvalSignedTerm();
  Step EvalSignedFactor();
  Step EvalFactor(double& value);
  Step EvalFunctionOrGroup();
  Step EvalTerm(double factor);
  Step AddTerm();
  Step EvalGroup(double& value);

  std::u16string_view text_;
  std::size_t pos_ = 0;
  double x_;
  Level level_ = FreshLevel(Closing::kEnd);
  LevelStack enclosing_;
};

bool Evaluation::Run(double& value) {
  Step step = EvalExpression(Closing::kEnd);
  for (;;) {
    switch (step) {
      case Step::kFactor:
        step = EvalFactor(value);
        break;
      case Step::kOperand:
        step = EvalTerm(value);
        break;
      case Step::kClose:
        step = EvalGroup(value);
        break;
      case Step::kDone:
        return true;
      case Step::kFail:
        return false;
    }
  }
}

// Expression = SignedTerm { ("+" | "-") Term }
// Opens a level; AddTerm adds its terms up.
Evaluation::Step Evaluation::EvalExpression(Closing closing, Function function, double base) {
  level_ = FreshLevel(closing, function, base);
  return EvalSignedTerm();
}

// SignedTerm = SignedFactor { ("*" | "/") Factor }
// Its factors after the first are multiplied in by EvalTerm, as in a Term.
Evaluation::Step Evaluation::EvalSignedTerm() { return EvalSignedFactor(); }

// SignedFactor = [ "-" | "+" ] Factor
// Only the first factor of an Expression comes here. The sign is applied as
// the double product -1 × f (so -0 stays possible), by the running product.
Evaluation::Step Evaluation::EvalSignedFactor() {
  SkipBlanks(text_, pos_);
  if (MatchAt(text_, u'-', pos_)) {
    ++pos_;
    level_.prod = -1.0;
  } else if (MatchAt(text_, u'+', pos_)) {
    ++pos_;
  }
  return Step::kFactor;
}

// Factor = "X" | Number | FunctionCall | Group
Evaluation::Step Evaluation::EvalFactor(double& value) {
  switch (expression::ScanNumberOrX(text_, pos_, x_, value)) {
    case expression::Scanned::kValue:
      return Step::kOperand;
    case expression::Scanned::kError:
      return Step::kFail;
    case expression::Scanned::kNothing:
      break;
  }
  return EvalFunctionOrGroup();
}

// FunctionCall = Name Group | "POW" "(" Expression "," Expression ")"
// Takes the name and the "(" and opens the level of the (first) argument or
// of the group; EvalGroup closes it.
Evaluation::Step Evaluation::EvalFunctionOrGroup() {
  SkipBlanks(text_, pos_);
  Closing closing = Closing::kGroup;
  Function function = Function::kNone;
  if (!MatchAt(text_, u'(', pos_)) {  // no name starts with "("
    const auto* name = std::find_if(
        expression::kFunctionNames.begin(), expression::kFunctionNames.end(),
        [this](const expression::FunctionName& f) { return MatchAt(text_, f.spelling, pos_); });
    if (name == expression::kFunctionNames.end()) return Step::kFail;
    pos_ += name->spelling.size();
    SkipBlanks(text_, pos_);
    closing = name->function == Function::kPow ? Closing::kPowBase : Closing::kCall;
    function = name->function;
  }
  // Group = "(" Expression ")"
  if (!MatchAt(text_, u'(', pos_)) return Step::kFail;
  ++pos_;
  if (!enclosing_.Push(level_)) return Step::kFail;
  return EvalExpression(closing, function);
}

// Term = Factor { ("*" | "/") Factor }, and SignedTerm alike
// A factor has been read: it joins the running product.
Evaluation::Step Evaluation::EvalTerm(double factor) {
  const bool good = level_.divide ? expression::Divide(level_.prod, factor)
                                  : expression::Multiply(level_.prod, factor);
  if (!good) return Step::kFail;
  if (MatchAt(text_, u'*', pos_)) {
    ++pos_;
    level_.divide = false;
    return Step::kFactor;
  }
  if (MatchAt(text_, u'/', pos_)) {
    ++pos_;
    level_.divide = true;
    return Step::kFactor;
  }
  return AddTerm();
}

// Expression = SignedTerm { ("+" | "-") Term }
// A term is complete: it joins the running sum. A Term after "+" or "-"
// starts with a plain Factor, never a sign.
Evaluation::Step Evaluation::AddTerm() {
  const bool good = level_.subtract ? expression::Subtract(level_.sum, level_.prod)
                                    : expression::Add(level_.sum, level_.prod);
  if (!good) return Step::kFail;
  const bool plus = MatchAt(text_, u'+', pos_);
  if (!plus && !MatchAt(text_, u'-', pos_)) return Step::kClose;
  ++pos_;
  level_.subtract = !plus;
  level_.prod = 1.0;
  level_.divide = false;
  return Step::kFactor;
}

// Group = "(" Expression ")"
// The Expression of a level is complete: ends the evaluation, or takes the
// "," of POW and opens its second argument, or takes the ")", applies the
// function and hands the result to the enclosing level as a factor.
Evaluation::Step Evaluation::EvalGroup(double& value) {
  const double inner = level_.sum;
  switch (level_.closing) {
    case Closing::kEnd:
      value = inner;
      return Step::kDone;
    case Closing::kPowBase:
      if (!MatchAt(text_, u',', pos_)) return Step::kFail;
      ++pos_;
      return EvalExpression(Closing::kPowExponent, Function::kPow, inner);
    case Closing::kGroup:
    case Closing::kCall:
    case Closing::kPowExponent:
      break;
  }
  if (!MatchAt(text_, u')', pos_)) return Step::kFail;
  ++pos_;
  value = inner;
  if (level_.closing == Closing::kCall && !expression::Apply(level_.function, inner, value)) {
    return Step::kFail;
  }
  if (level_.closing == Closing::kPowExponent && !expression::Power(level_.base, inner, value)) {
    return Step::kFail;
  }
  SkipBlanks(text_, pos_);
  level_ = enclosing_.Pop();
  return Step::kOperand;
}

}  // namespace

double CalculateString(std::u16string_view Exppression, bool& Good, double xxx) noexcept {
  Good = false;
  if (Exppression.size() > kLongestFormula) return 0.0;
  try {
    Evaluation evaluation(Exppression, xxx);
    double value = 0.0;
    if (!evaluation.Run(value)) return 0.0;
    // Text left after the Expression ("1+2)") fails the formula, but the
    // Expression's value is still returned.
    Good = evaluation.position() == Exppression.size();
    return value;
  } catch (...) {
    return 0.0;  // no memory for a deep formula
  }
}

}  // namespace numoria

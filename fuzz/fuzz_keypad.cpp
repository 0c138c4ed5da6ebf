// Any sequence of keypad keys, checked after every key against what that key
// must do to the display, the four variables and the message boxes.
//
// What the display can hold: an anchor, then typed characters. The anchor is
// what the last key that wrote the whole display left there: "" (start, an
// operator key, the clear key, a digit starting a new entry), "ERROR" (an
// error report) or a NumberText result (equals, sign, reciprocal). The typed
// characters are digits and ".", and the whole display holds at most one
// ".". So "ERROR.", "-12" + "3", "0.25" + "5" and "1E+20." + "5" all occur.
//
// Keys the model leaves open (an operator, sign or reciprocal key on a
// display beyond the double range, a reciprocal beyond it) may report the
// error like the equals key or leave the display alone, but must not change
// the operands or the operator. Every message box reads
// "此操作产生如下错误：\r\n" and the description of a numbered error.
//
// Input: one key a byte, byte % 19 in the order of KeypadKey: digits 0-9,
// then DotBttn, Plus, Minus, Times, Div, Equals, PlusMinus, Over, clear. At
// most 4096 keys.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz/fuzz_input.h"
#include "keypad/keypad.h"
#include "tests/support/fake_controls.h"
#include "textnum/runtime_error.h"
#include "textnum/textnum.h"

namespace {

using numoria::ErrorNumber;
using numoria::fuzz::Bits;
using numoria::fuzz::Check;

constexpr std::size_t kMostKeys = 4096;
constexpr numoria::Control kDisplay = numoria::Control::kDisplay;
constexpr std::u16string_view kError = u"ERROR";
constexpr std::u16string_view kErrorPrefix = u"此操作产生如下错误：\r\n";

using numoria::KeypadKey;
using numoria::Operator;
constexpr std::uint8_t kDot = static_cast<std::uint8_t>(KeypadKey::kDot);
constexpr std::uint8_t kPlus = static_cast<std::uint8_t>(KeypadKey::kPlus);
constexpr std::uint8_t kDiv = static_cast<std::uint8_t>(KeypadKey::kDiv);
constexpr std::uint8_t kEquals = static_cast<std::uint8_t>(KeypadKey::kEquals);
constexpr std::uint8_t kPlusMinus = static_cast<std::uint8_t>(KeypadKey::kPlusMinus);
constexpr std::uint8_t kOver = static_cast<std::uint8_t>(KeypadKey::kOver);
constexpr std::uint8_t kClear = static_cast<std::uint8_t>(KeypadKey::kClear);

// The operator each operator key stores, in the order of the keys.
constexpr std::array<Operator, 4> kOperators = {Operator::kPlus, Operator::kMinus, Operator::kTimes,
                                                Operator::kDiv};

struct State {
  std::u16string display;
  double first;
  double second;
  Operator pending;
  bool start_new;
  std::size_t messages;
};

[[nodiscard]] State Snapshot(const numoria::Keypad& keypad, const numoria::testing::FakeControls& controls) {
  return {controls.Caption(kDisplay), keypad.FirstOperand(), keypad.SecondOperand(),
          keypad.PendingOperator(), keypad.StartNewEntry(), controls.messages().size()};
}

// The display's value; nullopt when it lies beyond the double range.
[[nodiscard]] std::optional<double> ValueOf(std::u16string_view display) {
  try {
    return numoria::NumericValue(display);
  } catch (const numoria::RuntimeError& error) {
    Check(error.number() == 6, "NumericValue raised an error other than overflow", display);
    return std::nullopt;
  }
}

[[nodiscard]] bool SameVariables(const State& a, const State& b) {
  return Bits(a.first) == Bits(b.first) && Bits(a.second) == Bits(b.second) && a.pending == b.pending;
}

// The result of the equals key; nullopt when it overflows.
[[nodiscard]] std::optional<double> Result(const State& before, double second) {
  double result = 0;
  if (before.pending == Operator::kPlus) result = before.first + second;
  if (before.pending == Operator::kMinus) result = before.first - second;
  if (before.pending == Operator::kTimes) result = before.first * second;
  if (before.pending == Operator::kDiv && second != 0) result = before.first / second;
  return std::isfinite(result) ? std::optional(result) : std::nullopt;
}

void CheckReported(const State& before, const State& after, const char* what) {
  Check(after.display == kError && after.start_new && after.messages == before.messages + 1, what, before.display);
}

void CheckEquals(const State& before, const State& after) {
  Check(before.first == after.first && before.pending == after.pending, "equals changed the first operand or operator",
        before.display);
  const auto second = ValueOf(before.display);
  const auto result = second ? Result(before, *second) : std::nullopt;
  if (!result) {
    CheckReported(before, after, "an overflow on equals was not reported");
    return;
  }
  Check(Bits(after.second) == Bits(*second), "equals stored another second operand", before.display);
  Check(after.display == numoria::NumberText(*result) && after.start_new && after.messages == before.messages,
        "equals showed another result", before.display);
}

// A key whose overflow the model leaves open: reported, or nothing changed.
void CheckOpenError(const State& before, const State& after) {
  Check(SameVariables(before, after), "a failing key changed the operands or operator", before.display);
  if (after.messages != before.messages) {
    CheckReported(before, after, "a reported error did not show ERROR");
  } else {
    Check(after.display == before.display && after.start_new == before.start_new, "a failing key changed the display",
          before.display);
  }
}

// The display a key that needs no error report must leave, or nullopt when
// the key hits an overflow.
[[nodiscard]] std::optional<std::u16string> ExpectedDisplay(std::uint8_t key, const State& before) {
  const auto value = ValueOf(before.display);
  switch (key) {
    case kDot: return before.display.find(u'.') == std::u16string::npos ? before.display + u"." : before.display;
    case kClear: return u"";
    case kPlusMinus: return value ? std::optional(numoria::NumberText(-*value)) : std::nullopt;
    case kOver: {
      if (!value || *value == 0) return value ? std::optional(before.display) : std::nullopt;
      const double reciprocal = 1 / *value;
      return std::isfinite(reciprocal) ? std::optional(numoria::NumberText(reciprocal)) : std::nullopt;
    }
    default: {  // an operator key
      if (!value) return std::nullopt;
      return u"";
    }
  }
}

void CheckKey(std::uint8_t key, const State& before, const State& after) {
  if (key < kDot) {
    const std::u16string kept = before.start_new ? u"" : before.display;
    Check(after.display == kept + static_cast<char16_t>(u'0' + key) && !after.start_new &&
              SameVariables(before, after) && after.messages == before.messages,
          "a digit key did not append its digit", before.display);
    return;
  }
  if (key == kEquals) {
    CheckEquals(before, after);
    return;
  }
  const auto expected = ExpectedDisplay(key, before);
  if (!expected) {
    CheckOpenError(before, after);
    return;
  }
  Check(after.display == *expected && after.start_new == before.start_new && after.messages == before.messages,
        "a key left another display", before.display);
  if (key >= kPlus && key <= kDiv) {
    Check(Bits(after.first) == Bits(*ValueOf(before.display)) && after.pending == kOperators[key - kPlus] &&
              Bits(after.second) == Bits(before.second),
          "an operator key stored the wrong operand or operator", before.display);
  } else {
    Check(SameVariables(before, after), "a key changed the operands or operator", before.display);
  }
}

void CheckMessages(const numoria::testing::FakeControls& controls, std::size_t from) {
  for (std::size_t i = from; i < controls.messages().size(); ++i) {
    const auto& message = controls.messages()[i];
    bool known = false;
    for (const auto number : {ErrorNumber::kInvalidArgument, ErrorNumber::kOverflow, ErrorNumber::kDivisionByZero,
                              ErrorNumber::kTypeMismatch}) {
      known = known || message.text == std::u16string(kErrorPrefix) + numoria::RuntimeError(number).description();
    }
    Check(known && message.caption == u"Numoria", "a message box with an unknown text", message.text);
  }
}

// The anchor: the display as the last key that wrote it whole left it.
void CheckShape(const State& state, std::u16string_view anchor) {
  const auto& display = state.display;
  Check(display.starts_with(anchor) &&
            display.find_first_not_of(u"0123456789.", anchor.size()) == std::u16string::npos,
        "the display is not an anchor followed by typed digits", display);
  Check(display.find(u'.') == display.rfind(u'.'), "more than one point in the display", display);
  Check(state.pending == Operator::kNone ||
            std::find(kOperators.begin(), kOperators.end(), state.pending) != kOperators.end(),
        "an unknown pending operator", display);
}

void CheckAnchor(std::u16string_view anchor) {
  if (anchor.empty() || anchor == kError) return;
  const auto value = ValueOf(anchor);
  Check(value && numoria::NumberText(*value) == anchor, "the display was written with something but NumberText",
        anchor);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  numoria::testing::FakeControls controls;
  numoria::Keypad keypad(controls);
  std::u16string anchor;
  for (std::size_t i = 0; i < size && i < kMostKeys; ++i) {
    const auto key = static_cast<std::uint8_t>(data[i] % numoria::kKeypadKeyCount);
    const State before = Snapshot(keypad, controls);
    keypad.Press(static_cast<KeypadKey>(key));
    const State after = Snapshot(keypad, controls);
    CheckKey(key, before, after);
    CheckMessages(controls, before.messages);
    // Typing extends the display; any other change rewrites it whole.
    const bool typed = key == kDot || (key < kDot && !before.start_new);
    if (!typed && after.display != before.display) {
      anchor = key < kDot ? u"" : after.display;
      CheckAnchor(anchor);
    }
    CheckShape(after, anchor);
  }
  return 0;
}

#include "keypad/keypad.h"

#include <cmath>

#include "textnum/runtime_error.h"
#include "textnum/textnum.h"

namespace numoria {
namespace {

constexpr bool KeysInOrder() {
  for (std::size_t i = 0; i < kKeypadKeys.size(); ++i) {
    if (static_cast<std::size_t>(kKeypadKeys[i].key) != i) return false;
  }
  return true;
}
static_assert(KeysInOrder());

constexpr std::u16string_view kErrorText = u"ERROR";
constexpr std::u16string_view kErrorPrefix = u"此操作产生如下错误：\r\n";
constexpr std::u16string_view kTitle = u"Numoria";

// Operands are always finite (NumericValue raises beyond the double range),
// so a non-finite result can only be an overflow.
[[nodiscard]] double Checked(double result) {
  if (!std::isfinite(result)) {
    throw RuntimeError(ErrorNumber::kOverflow);
  }
  return result;
}

// No operator, or "/" by zero, leaves the result at 0.
[[nodiscard]] double Apply(double first, Operator op, double second) {
  switch (op) {
    case Operator::kPlus:
      return Checked(first + second);
    case Operator::kMinus:
      return Checked(first - second);
    case Operator::kTimes:
      return Checked(first * second);
    case Operator::kDiv:
      return second != 0 ? Checked(first / second) : 0;
    case Operator::kNone:
      break;
  }
  return 0;
}

}  // namespace

std::u16string Keypad::Display() const { return controls_.Caption(Control::kDisplay); }

void Keypad::SetDisplay(std::u16string_view text) { controls_.SetCaption(Control::kDisplay, text); }

void Keypad::Press(KeypadKey key) {
  const KeypadKeyInfo& info = Info(key);
  if (info.click == nullptr) {
    Digits_Click(static_cast<std::int16_t>(key));
  } else {
    (this->*info.click)();
  }
}

void Keypad::ReportError(const RuntimeError& error) {
  std::u16string message(kErrorPrefix);
  message += error.description();
  controls_.ShowMessage(message, kTitle);
  SetDisplay(kErrorText);
  start_new_entry_ = true;
}

void Keypad::Digits_Click(std::int16_t index) {
  if (index < 0 || index > 9) {
    return;  // there is no such key
  }
  if (start_new_entry_) {
    SetDisplay(u"");
    start_new_entry_ = false;
  }
  std::u16string text = Display();
  text += static_cast<char16_t>(u'0' + index);
  SetDisplay(text);
}

void Keypad::DotBttn_Click() {
  std::u16string text = Display();
  if (text.find(u'.') == std::u16string::npos) {
    text += u'.';
    SetDisplay(text);
  }
}

void Keypad::StoreOperator(Operator op) {
  try {
    first_operand_ = NumericValue(Display());
  } catch (const RuntimeError& error) {
    // An entry beyond the double range: reported like the equals key does,
    // and the previous operation is kept.
    ReportError(error);
    return;
  }
  pending_operator_ = op;
  SetDisplay(u"");
}

void Keypad::Plus_Click() { StoreOperator(Operator::kPlus); }
void Keypad::Minus_Click() { StoreOperator(Operator::kMinus); }
void Keypad::Times_Click() { StoreOperator(Operator::kTimes); }
void Keypad::Div_Click() { StoreOperator(Operator::kDiv); }

void Keypad::Equals_Click() {
  try {
    second_operand_ = NumericValue(Display());
    SetDisplay(NumberText(Apply(first_operand_, pending_operator_, second_operand_)));
    start_new_entry_ = true;
  } catch (const RuntimeError& error) {
    ReportError(error);
  }
}

void Keypad::PlusMinus_Click() {
  try {
    SetDisplay(NumberText(-NumericValue(Display())));
  } catch (const RuntimeError& error) {
    ReportError(error);
  }
}

void Keypad::Over_Click() {
  try {
    const double value = NumericValue(Display());
    if (value != 0) {
      // 1 over a denormal display overflows.
      SetDisplay(NumberText(Checked(1 / value)));
    }
  } catch (const RuntimeError& error) {
    ReportError(error);
  }
}

void Keypad::clear_Click() { SetDisplay(u""); }

}  // namespace numoria

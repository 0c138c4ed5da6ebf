#include "keypad/keypad.h"

#include <cmath>

#include "textnum/runtime_error.h"
#include "textnum/textnum.h"

namespace numoria {
namespace {

constexpr std::u16string_view kDisplay = u"Display";
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

// The four operator texts are tested one by one; an empty operator, or "/"
// by zero, leaves the result at 0.
[[nodiscard]] double Apply(double first, std::u16string_view op, double second) {
  double result = 0;
  if (op == u"+") {
    result = Checked(first + second);
  }
  if (op == u"-") {
    result = Checked(first - second);
  }
  if (op == u"*") {
    result = Checked(first * second);
  }
  if (op == u"/" && second != 0) {
    result = Checked(first / second);
  }
  return result;
}

}  // namespace

std::u16string Keypad::Display() const { return controls_.Caption(kDisplay); }

void Keypad::SetDisplay(std::u16string_view text) { controls_.SetCaption(kDisplay, text); }

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

void Keypad::StoreOperator(std::u16string_view op) {
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

void Keypad::Plus_Click() { StoreOperator(u"+"); }
void Keypad::Minus_Click() { StoreOperator(u"-"); }
void Keypad::Times_Click() { StoreOperator(u"*"); }
void Keypad::Div_Click() { StoreOperator(u"/"); }

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

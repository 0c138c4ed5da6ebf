#pragma once

// The keypad calculator of the first panel. The number being typed lives only
// as the Display's caption; the four variables below are all its state.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "controls/controls.h"

namespace numoria {

class RuntimeError;

// The keys of the keypad, digits first so that a digit key's value is its
// digit.
enum class KeypadKey : std::uint8_t {
  k0, k1, k2, k3, k4, k5, k6, k7, k8, k9,
  kDot, kPlus, kMinus, kTimes, kDiv, kEquals, kPlusMinus, kOver, kClear,
};

inline constexpr std::size_t kKeypadKeyCount = static_cast<std::size_t>(KeypadKey::kClear) + 1;

enum class Operator : std::uint8_t { kNone, kPlus, kMinus, kTimes, kDiv };

class Keypad {
 public:
  explicit Keypad(Controls& controls) : controls_(controls) {}

  // The click handlers; Press runs the one of a key.
  void Digits_Click(std::int16_t index);
  void DotBttn_Click();
  void Plus_Click();
  void Minus_Click();
  void Times_Click();
  void Div_Click();
  void Equals_Click();
  void PlusMinus_Click();
  void Over_Click();
  void clear_Click();
  void Press(KeypadKey key);

  [[nodiscard]] double FirstOperand() const { return first_operand_; }
  [[nodiscard]] double SecondOperand() const { return second_operand_; }
  [[nodiscard]] Operator PendingOperator() const { return pending_operator_; }
  [[nodiscard]] bool StartNewEntry() const { return start_new_entry_; }

 private:
  [[nodiscard]] std::u16string Display() const;
  void SetDisplay(std::u16string_view text);
  void StoreOperator(Operator op);
  // Message box, then "ERROR" with StartNewEntry set; FirstOperand and the
  // operator stay as they were (the equals key has read SecondOperand).
  void ReportError(const RuntimeError& error);

  Controls& controls_;
  double first_operand_ = 0;
  double second_operand_ = 0;
  Operator pending_operator_ = Operator::kNone;
  bool start_new_entry_ = false;
};

// A keypad key: its button, the character that types it on the keyboard (0
// for none) and its click handler (none for the digits, which share
// Digits_Click with their index).
struct KeypadKeyInfo {
  KeypadKey key;
  Control button;
  char16_t typed;
  void (Keypad::*click)();
};

// Every key once, in the order of KeypadKey.
inline constexpr std::array<KeypadKeyInfo, kKeypadKeyCount> kKeypadKeys{{
    {KeypadKey::k0, Control::kDigits0, u'0', nullptr},
    {KeypadKey::k1, Control::kDigits1, u'1', nullptr},
    {KeypadKey::k2, Control::kDigits2, u'2', nullptr},
    {KeypadKey::k3, Control::kDigits3, u'3', nullptr},
    {KeypadKey::k4, Control::kDigits4, u'4', nullptr},
    {KeypadKey::k5, Control::kDigits5, u'5', nullptr},
    {KeypadKey::k6, Control::kDigits6, u'6', nullptr},
    {KeypadKey::k7, Control::kDigits7, u'7', nullptr},
    {KeypadKey::k8, Control::kDigits8, u'8', nullptr},
    {KeypadKey::k9, Control::kDigits9, u'9', nullptr},
    {KeypadKey::kDot, Control::kDotBttn, u'.', &Keypad::DotBttn_Click},
    {KeypadKey::kPlus, Control::kPlus, u'+', &Keypad::Plus_Click},
    {KeypadKey::kMinus, Control::kMinus, u'-', &Keypad::Minus_Click},
    {KeypadKey::kTimes, Control::kTimes, u'*', &Keypad::Times_Click},
    {KeypadKey::kDiv, Control::kDiv, u'/', &Keypad::Div_Click},
    {KeypadKey::kEquals, Control::kEquals, u'=', &Keypad::Equals_Click},
    {KeypadKey::kPlusMinus, Control::kPlusMinus, 0, &Keypad::PlusMinus_Click},
    {KeypadKey::kOver, Control::kOver, u'r', &Keypad::Over_Click},
    {KeypadKey::kClear, Control::kClear, 0, &Keypad::clear_Click},
}};

[[nodiscard]] constexpr const KeypadKeyInfo& Info(KeypadKey key) {
  return kKeypadKeys[static_cast<std::size_t>(key)];
}

}  // namespace numoria

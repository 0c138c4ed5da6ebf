#pragma once

// The keypad calculator of the first panel. The number being typed lives only
// as the Display's caption; the four variables below are all its state.

#include <cstdint>
#include <string>
#include <string_view>

#include "controls/controls.h"

namespace numoria {

class RuntimeError;

class Keypad {
 public:
  explicit Keypad(Controls& controls) : controls_(controls) {}

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

  [[nodiscard]] double FirstOperand() const { return first_operand_; }
  [[nodiscard]] double SecondOperand() const { return second_operand_; }
  [[nodiscard]] const std::u16string& PendingOperator() const { return pending_operator_; }
  [[nodiscard]] bool StartNewEntry() const { return start_new_entry_; }

 private:
  [[nodiscard]] std::u16string Display() const;
  void SetDisplay(std::u16string_view text);
  void StoreOperator(std::u16string_view op);
  // Message box, then "ERROR" with StartNewEntry set; FirstOperand and the
  // operator stay as they were (the equals key has read SecondOperand).
  void ReportError(const RuntimeError& error);

  Controls& controls_;
  double first_operand_ = 0;
  double second_operand_ = 0;
  std::u16string pending_operator_;
  bool start_new_entry_ = false;
};

}  // namespace numoria

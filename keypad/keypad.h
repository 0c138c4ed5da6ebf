#pragma once

// The keypad calculator of the first panel. The number being typed lives only
// as the Display's caption; the four variables below are all its state.

#include <cstdint>
#include <string>

#include "controls/controls.h"

namespace numoria {

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
  Controls& controls_;
  double first_operand_ = 0;
  double second_operand_ = 0;
  std::u16string pending_operator_;
  bool start_new_entry_ = false;
};

}  // namespace numoria

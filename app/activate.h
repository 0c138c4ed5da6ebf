#pragma once

#include "controls/controls.h"

namespace numoria {

// Activate handler of Form1: limits the amount input Text3 to 10 characters
// and gives it the keyboard focus.
void Form_Activate(Controls& controls);

// When the window's activation runs Form_Activate: the first time the window
// becomes active, and whenever activation comes back to it from another
// window of the program, but not when the user merely returns from another
// application, nor when a message box of the window closes.
class Activation {
 public:
  // The window became active; true when Form_Activate is to run.
  [[nodiscard]] bool Activated();

  // The window stopped being active; to_own_window tells that another
  // window of the program, not a message box, became active.
  void Deactivated(bool to_own_window) { passed_to_own_window_ = to_own_window; }

 private:
  bool activated_before_ = false;
  bool passed_to_own_window_ = false;
};

}  // namespace numoria

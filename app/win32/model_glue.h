#pragma once

// The one place where the Win32 window meets the tools: a notification of a
// control becomes one call, Dispatch(control, event), which runs the handler
// the binding table names for it.

#include <cstdint>
#include <string_view>

#include "controls/controls.h"
#include "keypad/keypad.h"

namespace numoria::win32 {

enum class Event : std::uint8_t { kActivate, kTimer, kClick, kChange };

class Model {
 public:
  explicit Model(Controls& controls) : controls_(controls), keypad_(controls) {}

  // Runs the handler bound to the control's event, if any. A member of a
  // control array is named with its index ("Digits(3)"). A run-time error
  // that its handler leaves alone ends that handler only.
  void Dispatch(std::u16string_view control, Event event);

 private:
  Controls& controls_;
  // The keypad's four variables live as long as the window.
  Keypad keypad_;
};

}  // namespace numoria::win32

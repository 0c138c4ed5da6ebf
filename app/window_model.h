#pragma once

// The window's behaviour without its widgets: a front-end builds the
// controls from the description (app/window_description.h), implements
// Controls over them, and reports every event here. Everything the window
// does then runs the same on every toolkit.

#include <optional>

#include "app/activate.h"
#include "app/bindings.h"
#include "app/control.h"
#include "controls/controls.h"
#include "keypad/key_map.h"
#include "keypad/keypad.h"

namespace numoria {

// A key stroke as the front-end reports it.
struct KeyStroke {
  char16_t typed = 0;               // the character it types, 0 for none
  NamedKey named = NamedKey::kNone;  // a key that types none
  bool number_pad = false;
  bool command = false;  // held with Ctrl, Alt or Meta (Shift types, it is no command)
  bool copy = false;     // the platform's copy key (Ctrl+C)
};

class WindowModel {
 public:
  explicit WindowModel(Controls& controls) : controls_(controls), keypad_(controls) {}

  // Runs every row bound to (control, event). A run-time error that its
  // handler leaves alone ends that handler only; the window goes on.
  void Dispatch(Control control, Event event);

  // The window became active, or stopped being (see Activation); Activated
  // dispatches Form1's Activate when it is due.
  void Activated();
  void Deactivated(bool to_own_window) { activation_.Deactivated(to_own_window); }

  // The control a key stroke presses while `focused` has the focus: a keypad
  // key's button or the Display's copy action while a keypad button has it,
  // nothing otherwise. The front-end presses a button as a click would, and
  // dispatches an action's click.
  [[nodiscard]] static std::optional<Control> KeyTarget(Control focused, const KeyStroke& stroke);

 private:
  Controls& controls_;
  Keypad keypad_;
  ChequeOffer cheque_;
  Activation activation_;
};

}  // namespace numoria

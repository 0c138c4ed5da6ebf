#pragma once

// The one table that ties each (control, event) to its handler. A front-end
// reports every event of a control to WindowModel::Dispatch, which runs the
// rows bound to it; an event without a row does nothing.

#include <cstdint>
#include <span>

#include "app/control.h"
#include "capital/handlers.h"
#include "controls/controls.h"
#include "keypad/keypad.h"

namespace numoria {

// What the handlers work on; lives as long as the window.
struct Handlers {
  Controls& controls;
  Keypad& keypad;
  ChequeOffer& cheque;
};

enum class Event : std::uint8_t {
  kActivate,  // the window became active as Activation decides
  kTimer,     // a timer's interval passed
  kClick,     // a button was pressed, an action chosen
  kChange,    // a text box's text or a scroll bar's value changed
  kRefused,   // a text box refused a typed character: it was full
  kMenu,      // a control's context menu is about to open
};

// control is the control the event came from.
using Handler = void (*)(Handlers& handlers, Control control);

struct Binding {
  Control control;
  Event event;
  Handler handler;
};

// Every row, in the order they run when several share (control, event).
[[nodiscard]] std::span<const Binding> Bindings();

}  // namespace numoria

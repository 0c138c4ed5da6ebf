#pragma once

// The one table that ties each (control, event) to its handler, and the
// object that connects the table to the widgets.

#include <QObject>
#include <cstdint>
#include <string_view>
#include <vector>

#include "controls/controls.h"
#include "keypad/keypad.h"

class QWidget;

namespace numoria {

// What the handlers work on; lives as long as the window.
struct Handlers {
  Controls& controls;
  Keypad& keypad;
};

enum class Event : std::uint8_t { kActivate, kTimer, kClick, kChange };

// index is the member's index for a control array, 0 otherwise.
using Handler = void (*)(Handlers& handlers, std::int16_t index);

struct Binding {
  std::u16string_view control;  // a control array by its name alone: "Digits"
  Event event;
  Handler handler;
};


// Connects every row of the table to the controls under form. The connections
// and the Activate watch end with this object, so handlers never run once the
// objects they use are gone.
class EventBindings : public QObject {
 public:
  EventBindings(QWidget& form, Handlers handlers);

  // Rows that found no control to connect to; empty when the table and the
  // window agree.
  [[nodiscard]] const std::vector<std::u16string_view>& Unbound() const { return unbound_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Bind(const Binding& binding);
  [[nodiscard]] bool Connect(QObject* target, const Binding& binding, std::int16_t index);
  void Run(Handler handler, std::int16_t index);

  QWidget& form_;
  Handlers handlers_;
  std::vector<Handler> on_activate_;
  std::vector<std::u16string_view> unbound_;
  bool activated_before_ = false;
  bool passed_to_own_window_ = false;
};

}  // namespace numoria

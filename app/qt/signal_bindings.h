#pragma once

// Reports the widgets' signals and the window's activation to the window
// model, one Dispatch per (control, event) of the binding table.

#include <QObject>
#include <vector>

#include "app/bindings.h"

class QWidget;

namespace numoria {

class WidgetControls;
class WindowModel;

// The connections and the activation watch end with this object, so
// handlers never run once the objects they use are gone.
class SignalBindings : public QObject {
 public:
  SignalBindings(QWidget& form, const WidgetControls& controls, WindowModel& model);

  // Rows that found no widget signal to connect to; empty when the table and
  // the window agree.
  [[nodiscard]] const std::vector<Binding>& Unbound() const { return unbound_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  [[nodiscard]] bool Connect(QObject* target, Control control, Event event);

  QWidget& form_;
  WindowModel& model_;
  std::vector<Binding> unbound_;
};

}  // namespace numoria

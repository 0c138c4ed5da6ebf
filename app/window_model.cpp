#include "app/window_model.h"

#include <exception>

#include "app/window_description.h"

namespace numoria {

void WindowModel::Dispatch(Control control, Event event) {
  Handlers handlers{controls_, keypad_, cheque_};
  for (const Binding& row : Bindings()) {
    if (row.control != control || row.event != event) continue;
    try {
      row.handler(handlers, control);
    } catch (const std::exception&) {
      // The window stays as the handler left it.
    }
  }
}

void WindowModel::Activated() {
  if (activation_.Activated()) Dispatch(Control::kForm1, Event::kActivate);
}

std::optional<Control> WindowModel::KeyTarget(Control focused, const KeyStroke& stroke) {
  const window::ControlDescription& entry = window::Describe(focused);
  if (entry.kind != window::Kind::kButton || entry.parent != window::Describe(Control::kFrame1).name) {
    return std::nullopt;
  }
  if (stroke.copy) return Control::kCopyDisplay;
  if (stroke.command) return std::nullopt;
  const std::optional<KeypadKey> key = KeypadKeyFor(stroke.typed, stroke.named, stroke.number_pad);
  if (!key) return std::nullopt;
  return Info(*key).button;
}

}  // namespace numoria

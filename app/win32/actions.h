#pragma once

// The window's actions, entries of context menus: a control's menu lists the
// actions its description names, enabled as the model last set them; a
// chosen entry or its shortcut becomes a click of the action.

#include <windows.h>

#include <optional>

#include "app/bindings.h"
#include "app/control.h"
#include "app/win32/gdi.h"

namespace numoria::win32 {

class ActionHost {
 public:
  virtual ~ActionHost() = default;
  virtual void Dispatch(Control control, Event event) = 0;
  [[nodiscard]] virtual bool Enabled(Control action) const = 0;
};

// Appends the actions of control's menu, with their shortcuts; a separator
// after them when more entries follow (separate).
void AppendActions(HMENU menu, Control control, const ActionHost& host, bool separate);

// Runs the action a menu command names; false for another command.
bool RunAction(UINT command, ActionHost& host);

// The action of control's menu whose shortcut is key with the Ctrl and Shift
// keys as they are held, or nullopt.
[[nodiscard]] std::optional<Control> ShortcutAction(Control control, WPARAM key);

// Runs the enabled action of control's menu whose shortcut is key with the
// Ctrl and Shift keys as they are held; false when there is none.
bool RunShortcut(Control control, WPARAM key, ActionHost& host);

// Where a context menu opens: at the pointer, or at the control's top-left
// corner when the keyboard asked for it (at == -1).
[[nodiscard]] POINT MenuPoint(HWND window, LPARAM at);

// The context menu of a control that has only actions (the copying labels).
void ShowActionMenu(HWND window, Control control, LPARAM at, ActionHost& host);

}  // namespace numoria::win32

#include "app/win32/actions.h"

#include <windowsx.h>

#include "app/win32/wide.h"
#include "app/window_description.h"

namespace numoria::win32 {
namespace {

constexpr UINT kFirstActionCommand = 0x1000;

[[nodiscard]] bool KeyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

[[nodiscard]] std::wstring ShortcutText(const window::Shortcut& shortcut) {
  if (shortcut.key == 0) return {};
  std::wstring text = L"\t";
  if (shortcut.ctrl) text += L"Ctrl+";
  if (shortcut.shift) text += L"Shift+";
  return text + static_cast<wchar_t>(shortcut.key);
}

}  // namespace

void AppendActions(HMENU menu, Control control, const ActionHost& host, bool separate) {
  const auto& actions = window::Describe(control).menu;
  for (const Control action : actions) {
    const window::ControlDescription& entry = window::Describe(action);
    const std::wstring text = Wide(entry.caption) + ShortcutText(entry.shortcut);
    AppendMenuW(menu, MF_STRING | (host.Enabled(action) ? MF_ENABLED : MF_GRAYED),
                kFirstActionCommand + IndexOf(action), text.c_str());
  }
  if (separate && !actions.empty()) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
}

bool RunAction(UINT command, ActionHost& host) {
  if (command < kFirstActionCommand || command >= kFirstActionCommand + kControlCount) return false;
  const auto action = static_cast<Control>(command - kFirstActionCommand);
  if (window::Describe(action).kind != window::Kind::kAction) return false;
  if (host.Enabled(action)) host.Dispatch(action, Event::kClick);
  return true;
}

std::optional<Control> ShortcutAction(Control control, WPARAM key) {
  if (KeyDown(VK_MENU)) return std::nullopt;
  for (const Control action : window::Describe(control).menu) {
    const window::Shortcut& shortcut = window::Describe(action).shortcut;
    if (shortcut.key != 0 && key == shortcut.key && shortcut.ctrl == KeyDown(VK_CONTROL) &&
        shortcut.shift == KeyDown(VK_SHIFT)) {
      return action;
    }
  }
  return std::nullopt;
}

bool RunShortcut(Control control, WPARAM key, ActionHost& host) {
  const std::optional<Control> action = ShortcutAction(control, key);
  if (!action) return false;
  if (host.Enabled(*action)) host.Dispatch(*action, Event::kClick);
  return true;
}

POINT MenuPoint(HWND window, LPARAM at) {
  POINT point{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
  if (at == -1) {
    point = {0, 0};
    ClientToScreen(window, &point);
  }
  return point;
}

void ShowActionMenu(HWND window, Control control, LPARAM at, ActionHost& host) {
  if (window::Describe(control).menu.empty()) return;
  host.Dispatch(control, Event::kMenu);
  const Menu menu(CreatePopupMenu());
  AppendActions(menu.get(), control, host, false);
  const POINT point = MenuPoint(window, at);
  const auto command =
      static_cast<UINT>(TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                       point.x, point.y, 0, window, nullptr));
  RunAction(command, host);
}

}  // namespace numoria::win32

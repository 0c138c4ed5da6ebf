#include "app/win32/keypad_keys.h"

#include <commctrl.h>

#include "app/window_description.h"
#include "app/window_model.h"

namespace numoria::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 2;
constexpr UINT_PTR kReleaseTimer = 1;
// As long as a clicked button shows pressed.
constexpr UINT kShownPressedMs = 100;

[[nodiscard]] bool KeyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

[[nodiscard]] NamedKey NamedKeyOf(WPARAM key) {
  switch (key) {
    case VK_ESCAPE:
      return NamedKey::kEscape;
    case VK_DELETE:
      return NamedKey::kDelete;
    case VK_F9:
      return NamedKey::kF9;
    default:
      return NamedKey::kNone;
  }
}

[[nodiscard]] bool OnNumberPad(WPARAM key) {
  return (key >= VK_NUMPAD0 && key <= VK_DIVIDE) || key == VK_DECIMAL;
}

}  // namespace

void KeypadKeys::Attach(HWND button) {
  SetWindowSubclass(button, Proc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

std::optional<Control> KeypadKeys::Target(HWND button, const MSG& key) const {
  const std::optional<Control> focused = controls_.ControlOf(button);
  if (!focused || (key.message != WM_KEYDOWN && key.message != WM_CHAR)) return std::nullopt;
  KeyStroke stroke;
  stroke.command = KeyDown(VK_CONTROL) || KeyDown(VK_MENU);
  if (key.message == WM_KEYDOWN) {
    stroke.named = NamedKeyOf(key.wParam);
    stroke.copy =
        key.wParam == 'C' && KeyDown(VK_CONTROL) && !KeyDown(VK_SHIFT) && !KeyDown(VK_MENU);
  } else {
    stroke.typed = static_cast<char16_t>(key.wParam);
    stroke.number_pad = number_pad_;
  }
  if (stroke.typed == 0 && stroke.named == NamedKey::kNone && !stroke.copy) return std::nullopt;
  return WindowModel::KeyTarget(*focused, stroke);
}

void KeypadKeys::Press(Control target) {
  const HWND key = controls_.Find(target);
  if (window::Describe(target).kind != window::Kind::kButton || key == nullptr) {
    host_.Dispatch(target, Event::kClick);
    return;
  }
  // Clicked without taking the focus from the key that has it, and shown
  // pressed for a moment.
  SendMessageW(GetParent(key), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(key), BN_CLICKED),
               reinterpret_cast<LPARAM>(key));
  SendMessageW(key, BM_SETSTATE, TRUE, 0);
  SetTimer(key, kReleaseTimer, kShownPressedMs, nullptr);
}

LRESULT CALLBACK KeypadKeys::Proc(HWND button, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                  DWORD_PTR self_data) {
  auto& self = *reinterpret_cast<KeypadKeys*>(self_data);
  switch (message) {
    case WM_GETDLGCODE:
      // The keypad's keys are the button's, not the dialog navigation's.
      if (const auto* asked = reinterpret_cast<const MSG*>(lparam);
          asked != nullptr && self.Target(button, *asked)) {
        return DLGC_WANTMESSAGE | DefSubclassProc(button, message, wparam, lparam);
      }
      break;
    case WM_KEYDOWN:
    case WM_CHAR:
      if (message == WM_KEYDOWN) self.number_pad_ = OnNumberPad(wparam);
      if (const auto target = self.Target(button, MSG{button, message, wparam, lparam, 0, {}})) {
        self.Press(*target);
        return 0;
      }
      break;
    case WM_TIMER:
      if (wparam == kReleaseTimer) {
        KillTimer(button, kReleaseTimer);
        SendMessageW(button, BM_SETSTATE, FALSE, 0);
        return 0;
      }
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(button, Proc, kSubclassId);
      break;
    default:
      break;
  }
  return DefSubclassProc(button, message, wparam, lparam);
}

}  // namespace numoria::win32

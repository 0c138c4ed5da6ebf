#include "app/win32/keypad_keys.h"

#include <commctrl.h>

#include "app/win32/clipboard.h"
#include "keypad/key_map.h"

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

bool KeypadKeys::IsCopy(const MSG& key) const {
  return key.message == WM_KEYDOWN && key.wParam == 'C' && KeyDown(VK_CONTROL) &&
         !KeyDown(VK_SHIFT) && !KeyDown(VK_MENU);
}

HWND KeypadKeys::Target(const MSG& key) const {
  // A key held with Ctrl or Alt is a shortcut, not a keypad key.
  if (KeyDown(VK_CONTROL) || KeyDown(VK_MENU)) return nullptr;
  std::u16string_view control;
  if (key.message == WM_KEYDOWN) {
    control = KeypadControlForKey(0, NamedKeyOf(key.wParam), false);
  } else if (key.message == WM_CHAR) {
    control = KeypadControlForKey(static_cast<char16_t>(key.wParam), NamedKey::kNone, number_pad_);
  }
  return control.empty() ? nullptr : controls_.Find(control);
}

void KeypadKeys::Press(HWND key) {
  // Clicked without taking the focus from the key that has it, and shown
  // pressed for a moment.
  SendMessageW(GetParent(key), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(key), BN_CLICKED),
               reinterpret_cast<LPARAM>(key));
  SendMessageW(key, BM_SETSTATE, TRUE, 0);
  SetTimer(key, kReleaseTimer, kShownPressedMs, nullptr);
}

LRESULT CALLBACK KeypadKeys::Proc(HWND button, UINT message, WPARAM wparam, LPARAM lparam,
                                  UINT_PTR, DWORD_PTR self_data) {
  auto& self = *reinterpret_cast<KeypadKeys*>(self_data);
  const MSG key{button, message, wparam, lparam, 0, {}};
  switch (message) {
    case WM_GETDLGCODE:
      // The keypad's keys are the button's, not the dialog navigation's.
      if (const auto* asked = reinterpret_cast<const MSG*>(lparam);
          asked != nullptr && (self.Target(*asked) != nullptr || self.IsCopy(*asked))) {
        return DLGC_WANTMESSAGE | DefSubclassProc(button, message, wparam, lparam);
      }
      break;
    case WM_KEYDOWN:
      self.number_pad_ = OnNumberPad(wparam);
      if (self.IsCopy(key)) {
        SetClipboardText(button, self.controls_.Caption(u"Display"));
        return 0;
      }
      [[fallthrough]];
    case WM_CHAR:
      if (const HWND target = self.Target(key)) {
        self.Press(target);
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

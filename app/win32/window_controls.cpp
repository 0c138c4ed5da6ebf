#include "app/win32/window_controls.h"


#include "app/win32/labels.h"
#include "app/win32/wide.h"
#include "app/window_description.h"

namespace numoria::win32 {
namespace {

constexpr WORD kChinesePrc = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);  // 0x0804

// Names the message box's button in Chinese where the system's own language
// would name it otherwise. Set around MessageBoxExW only, on this thread.
LRESULT CALLBACK ChineseButton(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_ACTIVATE) {
    const auto box = reinterpret_cast<HWND>(wparam);
    wchar_t class_name[16]{};
    GetClassNameW(box, class_name, 16);
    if (std::wstring_view(class_name) == L"#32770") SetDlgItemTextW(box, IDOK, L"确定");
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

}  // namespace

HWND WindowControls::Find(std::u16string_view name) const {
  const auto it = windows_.find(name);
  return it != windows_.end() ? it->second : nullptr;
}

std::u16string WindowControls::Caption(std::u16string_view name) const {
  const HWND window = name == u"Form1" ? form_ : Find(name);
  return window != nullptr ? WindowText(window) : std::u16string{};
}

void WindowControls::SetCaption(std::u16string_view name, std::u16string_view caption) {
  const HWND window = name == u"Form1" ? form_ : Find(name);
  if (window == nullptr) return;
  SetWindowTextW(window, Wide(caption).c_str());
  const window::ControlDescription* entry = window::FindControl(name);
  if (entry != nullptr && entry->auto_size) FitToText(window);
  InvalidateRect(window, nullptr, FALSE);
}

std::u16string WindowControls::Text(std::u16string_view name) const {
  const HWND window = Find(name);
  return window != nullptr ? WindowText(window) : std::u16string{};
}

void WindowControls::SetText(std::u16string_view name, std::u16string_view text) {
  const HWND window = Find(name);
  if (window == nullptr) return;
  SetWindowTextW(window, Wide(text).c_str());
  // A written text shows from its first character: an amount too long for
  // the box loses its tail, never its head.
  SendMessageW(window, EM_SETSEL, 0, 0);
  SendMessageW(window, EM_SCROLLCARET, 0, 0);
}

std::int16_t WindowControls::Value(std::u16string_view name) const {
  const HWND window = Find(name);
  // The bar's range is set from the description and lies well inside 16 bits.
  return window != nullptr ? static_cast<std::int16_t>(SendMessageW(window, SBM_GETPOS, 0, 0))
                           : std::int16_t{0};
}

void WindowControls::SetMaxLength(std::u16string_view name, int max_length) {
  if (const HWND window = Find(name)) {
    // 0 means no limit.
    SendMessageW(window, EM_SETLIMITTEXT, static_cast<WPARAM>(max_length > 0 ? max_length : 0), 0);
  }
}

void WindowControls::SetFocus(std::u16string_view name) {
  if (const HWND window = Find(name)) ::SetFocus(window);
}

void WindowControls::ShowMessage(std::u16string_view text, std::u16string_view caption) {
  ShowMessageBox(form_, text, caption);
}

void ShowMessageBox(HWND owner, std::u16string_view text, std::u16string_view caption) {
  const HHOOK hook = SetWindowsHookExW(WH_CBT, ChineseButton, nullptr, GetCurrentThreadId());
  MessageBoxExW(owner, Wide(text).c_str(), Wide(caption).c_str(), MB_OK, kChinesePrc);
  if (hook != nullptr) UnhookWindowsHookEx(hook);
}

}  // namespace numoria::win32

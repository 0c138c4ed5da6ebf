#include "app/win32/window_controls.h"

#include <commctrl.h>

#include <algorithm>

#include "app/win32/clipboard.h"
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

[[nodiscard]] std::u16string Formatted(int length, const wchar_t* text) {
  return Utf16(std::wstring_view(text, length > 0 ? static_cast<std::size_t>(length - 1) : 0));
}

}  // namespace

WindowControls::WindowControls(HWND form) : form_(form) {
  windows_[IndexOf(Control::kForm1)] = form;
  for (const window::ControlDescription& entry : window::Description()) {
    enabled_[IndexOf(entry.id)] = entry.enabled;
  }
}

std::optional<Control> WindowControls::ControlOf(HWND window) const {
  const auto it = std::find(windows_.begin(), windows_.end(), window);
  if (window == nullptr || it == windows_.end()) return std::nullopt;
  return static_cast<Control>(it - windows_.begin());
}

std::u16string WindowControls::Caption(Control control) const {
  const HWND window = Find(control);
  return window != nullptr ? WindowText(window) : std::u16string{};
}

void WindowControls::SetCaption(Control control, std::u16string_view caption) {
  const HWND window = Find(control);
  if (window == nullptr) return;
  SetWindowTextW(window, Wide(caption).c_str());
  if (window::Describe(control).auto_size) FitToText(window);
  InvalidateRect(window, nullptr, FALSE);
}

std::u16string WindowControls::Text(Control control) const { return Caption(control); }

void WindowControls::SetText(Control control, std::u16string_view text) {
  const HWND window = Find(control);
  if (window == nullptr) return;
  SetWindowTextW(window, Wide(text).c_str());
  // A written text shows from its first character: an amount too long for
  // the box loses its tail, never its head.
  SendMessageW(window, EM_SETSEL, 0, 0);
  SendMessageW(window, EM_SCROLLCARET, 0, 0);
}

std::int16_t WindowControls::Value(Control control) const {
  const HWND window = Find(control);
  // The bar's range is set from the description and lies well inside 16 bits.
  return window != nullptr ? static_cast<std::int16_t>(SendMessageW(window, SBM_GETPOS, 0, 0))
                           : std::int16_t{0};
}

void WindowControls::SetMaxLength(Control control, int max_length) {
  if (const HWND window = Find(control)) {
    // 0 means no limit.
    SendMessageW(window, EM_SETLIMITTEXT, static_cast<WPARAM>(std::max(max_length, 0)), 0);
  }
}

void WindowControls::SetFocus(Control control) {
  if (const HWND window = Find(control)) ::SetFocus(window);
}

void WindowControls::SetToolTip(Control control, std::u16string_view tip) {
  const HWND window = Find(control);
  if (window == nullptr || tip_ == nullptr) return;
  std::wstring& text = tips_[IndexOf(control)];
  TTTOOLINFOW info{};
  info.cbSize = sizeof info;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = form_;
  info.uId = reinterpret_cast<UINT_PTR>(window);
  const bool known = SendMessageW(tip_, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&info)) != 0;
  text = Wide(tip);
  info.lpszText = text.data();
  SendMessageW(tip_, known ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void WindowControls::SetEnabled(Control action, bool enabled) {
  enabled_[IndexOf(action)] = enabled;
}

void WindowControls::SetClipboardText(std::u16string_view text) {
  win32::SetClipboardText(form_, text);
}

void WindowControls::ShowMessage(std::u16string_view text, std::u16string_view caption) {
  ShowMessageBox(form_, text, caption);
}

LocalTime WindowControls::Now() const {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return LocalTimeOf(now);
}

void ShowMessageBox(HWND owner, std::u16string_view text, std::u16string_view caption) {
  const HHOOK hook = SetWindowsHookExW(WH_CBT, ChineseButton, nullptr, GetCurrentThreadId());
  MessageBoxExW(owner, Wide(text).c_str(), Wide(caption).c_str(), MB_OK, kChinesePrc);
  if (hook != nullptr) UnhookWindowsHookEx(hook);
}

LocalTime LocalTimeOf(const SYSTEMTIME& now) {
  SYSTEMTIME whole_second = now;
  whole_second.wMilliseconds = 0;
  wchar_t date[128]{};
  wchar_t time[128]{};
  const int date_length = GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &whole_second,
                                          nullptr, date, 128, nullptr);
  const int time_length =
      GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &whole_second, nullptr, time, 128);
  return {now.wHour, now.wMinute, now.wSecond, Formatted(date_length, date),
          Formatted(time_length, time)};
}

}  // namespace numoria::win32

#pragma once

// The core's UTF-16 texts and Windows' wide strings are the same code units.

#include <windows.h>

#include <string>
#include <string_view>

namespace numoria::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

[[nodiscard]] inline std::wstring Wide(std::u16string_view text) {
  return {reinterpret_cast<const wchar_t*>(text.data()), text.size()};
}

[[nodiscard]] inline std::u16string Utf16(std::wstring_view text) {
  return {reinterpret_cast<const char16_t*>(text.data()), text.size()};
}

// A window's text, as WM_GETTEXT gives it.
[[nodiscard]] inline std::u16string WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return Utf16(text);
}

}  // namespace numoria::win32

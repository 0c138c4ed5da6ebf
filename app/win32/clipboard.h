#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace numoria::win32 {

// The clipboard's text, empty when it holds none.
[[nodiscard]] std::u16string ClipboardText(HWND owner);
[[nodiscard]] bool ClipboardHasText();
void SetClipboardText(HWND owner, std::u16string_view text);

}  // namespace numoria::win32

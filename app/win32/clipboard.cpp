#include "app/win32/clipboard.h"

#include <cstring>

namespace numoria::win32 {

std::u16string ClipboardText(HWND owner) {
  std::u16string text;
  if (!OpenClipboard(owner)) return text;
  if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const char16_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

bool ClipboardHasText() { return IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE; }

void SetClipboardText(HWND owner, std::u16string_view text) {
  const std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
  const HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (data == nullptr) return;
  auto* chars = static_cast<char16_t*>(GlobalLock(data));
  std::memcpy(chars, text.data(), text.size() * sizeof(char16_t));
  chars[text.size()] = u'\0';
  GlobalUnlock(data);
  if (OpenClipboard(owner)) {
    EmptyClipboard();
    // The clipboard owns the memory once it takes it.
    if (SetClipboardData(CF_UNICODETEXT, data) != nullptr) {
      CloseClipboard();
      return;
    }
    CloseClipboard();
  }
  GlobalFree(data);
}

}  // namespace numoria::win32

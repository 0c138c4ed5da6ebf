#pragma once

// The results that copy: Display, Label2 and Labxj have a context menu with
// one entry, "复制", which copies the number the label shows; it is disabled
// while the label shows no number.

#include <windows.h>

#include <string>
#include <string_view>

#include "app/win32/gdi.h"

namespace numoria::win32 {

// The number a label's caption shows, by the label's rule.
using NumberRule = std::u16string (*)(std::u16string_view caption);

// The rule of a control that copies, or nullptr.
[[nodiscard]] NumberRule CopyRule(std::u16string_view control);

inline constexpr UINT kCopyNumber = 1;

[[nodiscard]] Menu LabelMenu(std::u16string_view number);

// Opens the label's menu at screen point at (-1: from the keyboard) and copies
// when asked.
void ShowLabelMenu(HWND label, NumberRule rule, LPARAM at);

}  // namespace numoria::win32

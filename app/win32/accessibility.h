#pragma once

// Accessible names (Microsoft Active Accessibility): a control whose caption
// does not say what it does ("1/x", a text box) answers screen readers with
// the description's name; everything else comes from the system's own
// accessible object of the control.

#include <windows.h>

#include <string_view>

namespace numoria::win32 {

// name is kept by reference and must outlive the control: the description's
// entries live as long as the program.
void NameForScreenReaders(HWND control, const std::u16string_view& name);

}  // namespace numoria::win32

#pragma once

// The one-line text boxes: system edit controls that store what a user means
// by what he types or pastes, as the description's input rule for the box
// says (full-width characters of a Chinese input method as ASCII, a pasted
// line without blanks and line breaks around it, a pasted amount without
// currency marks and grouping commas), with a Chinese context menu whatever
// the system's language, headed by the box's actions, whose shortcuts work
// in the box.

#include <windows.h>

#include "app/control.h"
#include "app/win32/actions.h"
#include "app/win32/gdi.h"

namespace numoria::win32 {

// The commands of a text box's own entries.
enum TextBoxCommand : UINT {
  kUndo = 1,
  kCut,
  kCopy,
  kPaste,
  kDelete,
  kSelectAll,
};

// Gives the edit control of control the behaviour above; host must outlive it.
void MakeTextBox(HWND edit, Control control, ActionHost& host);

// The box's context menu as it would open now, and what a command does.
[[nodiscard]] Menu TextBoxMenu(HWND edit, Control control, ActionHost& host);
void RunTextBoxCommand(HWND edit, UINT command, ActionHost& host);

}  // namespace numoria::win32

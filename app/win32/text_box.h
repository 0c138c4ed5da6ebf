#pragma once

// The one-line text boxes: system edit controls that store what a user means
// by what he types or pastes (full-width characters of a Chinese input method
// as ASCII, a pasted line without blanks and line breaks around it, a pasted
// amount without currency marks and grouping commas), with a Chinese context
// menu whatever the system's language. Text3 and Text4 also copy the amount's
// cheque form (menu, Ctrl+Shift+C).

#include <windows.h>

#include <string>
#include <string_view>

#include "app/win32/gdi.h"

namespace numoria::win32 {

struct TextBoxOptions {
  enum class Input : std::uint8_t {
    kAsTyped,  // everything is kept as it comes
    kLine,     // full-width folded, pastes on one line
    kAmount,   // as kLine, and a paste loses currency marks and grouping commas
  };
  Input input = Input::kLine;
  // The amount box whose cheque form this box copies; nullptr for none.
  HWND cheque_amount = nullptr;
};

// Commands of a text box's context menu.
enum TextBoxCommand : UINT {
  kCopyCheque = 1,
  kCopyChequeWithCurrency,
  kUndo,
  kCut,
  kCopy,
  kPaste,
  kDelete,
  kSelectAll,
};

// Gives an edit control the behaviour above; options must outlive it.
void MakeTextBox(HWND edit, const TextBoxOptions& options);

// The box's context menu as it would open now, and what its commands do.
[[nodiscard]] Menu TextBoxMenu(HWND edit, const TextBoxOptions& options);
void RunTextBoxCommand(HWND edit, const TextBoxOptions& options, UINT command);

// The cheque form of the amount in amount, with "人民币" in front when
// with_currency; empty when the amount cannot stand on a cheque.
[[nodiscard]] std::u16string ChequeText(HWND amount, bool with_currency);

}  // namespace numoria::win32

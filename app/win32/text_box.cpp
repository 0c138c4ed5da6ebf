#include "app/win32/text_box.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "app/win32/clipboard.h"
#include "app/win32/wide.h"
#include "capital/capital.h"
#include "textnum/typed_text.h"

namespace numoria::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;

[[nodiscard]] bool KeyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

[[nodiscard]] std::pair<DWORD, DWORD> Selection(HWND edit) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {start, end};
}

[[nodiscard]] char16_t Stored(char16_t typed, const TextBoxOptions& options) {
  if (options.input == TextBoxOptions::Input::kAsTyped) return typed;
  return FoldFullWidth(std::u16string_view(&typed, 1)).front();
}

// A paste as the box stores it, cut to the room its limit leaves.
void PasteCleaned(HWND edit, const TextBoxOptions& options) {
  if ((GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY) != 0) return;
  const std::u16string pasted = ClipboardText(edit);
  std::u16string stored = options.input == TextBoxOptions::Input::kAmount ? PastedAmount(pasted)
                                                                           : PastedLine(pasted);
  const auto [start, end] = Selection(edit);
  const auto length = static_cast<std::size_t>(GetWindowTextLengthW(edit));
  const auto limit = static_cast<std::size_t>(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0));
  const std::size_t kept = length - (end - start);
  stored.resize(std::min(stored.size(), limit > kept ? limit - kept : 0));
  // As the system's paste: an empty clipboard still replaces a selection.
  if (stored.empty() && start == end) return;
  SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Wide(stored).c_str()));
}

void CopyCheque(HWND edit, const TextBoxOptions& options, bool with_currency) {
  if (options.cheque_amount == nullptr) return;
  const std::u16string text = ChequeText(options.cheque_amount, with_currency);
  if (!text.empty()) SetClipboardText(edit, text);
}

void ShowMenu(HWND edit, const TextBoxOptions& options, LPARAM at) {
  POINT point{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
  if (at == -1) {  // from the keyboard: at the box
    point = {0, 0};
    ClientToScreen(edit, &point);
  }
  SetFocus(edit);
  const Menu menu = TextBoxMenu(edit, options);
  const UINT command = static_cast<UINT>(TrackPopupMenu(
      menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, point.x, point.y, 0, edit, nullptr));
  if (command != 0) RunTextBoxCommand(edit, options, command);
}

LRESULT CALLBACK TextBoxProc(HWND edit, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                             DWORD_PTR data) {
  const auto& options = *reinterpret_cast<const TextBoxOptions*>(data);
  const bool cheque_keys = options.cheque_amount != nullptr && KeyDown(VK_CONTROL) &&
                           KeyDown(VK_SHIFT) && !KeyDown(VK_MENU);
  switch (message) {
    case WM_KEYDOWN:
      if (cheque_keys && wparam == 'C') {
        CopyCheque(edit, options, false);
        return 0;
      }
      break;
    case WM_CHAR:
    case WM_IME_CHAR:
      // Ctrl+Shift+C types Ctrl+C's character, which would copy the selection.
      if (cheque_keys && wparam == 0x03) return 0;
      return DefSubclassProc(edit, WM_CHAR, Stored(static_cast<char16_t>(wparam), options), lparam);
    case WM_PASTE:
      if (options.input == TextBoxOptions::Input::kAsTyped) break;
      PasteCleaned(edit, options);
      return 0;
    case WM_CONTEXTMENU:
      ShowMenu(edit, options, lparam);
      return 0;
    case WM_NCDESTROY:
      RemoveWindowSubclass(edit, TextBoxProc, kSubclassId);
      break;
    default:
      break;
  }
  return DefSubclassProc(edit, message, wparam, lparam);
}

void Append(HMENU menu, UINT command, const wchar_t* text, bool enabled) {
  AppendMenuW(menu, MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), command, text);
}

}  // namespace

void MakeTextBox(HWND edit, const TextBoxOptions& options) {
  SetWindowSubclass(edit, TextBoxProc, kSubclassId, reinterpret_cast<DWORD_PTR>(&options));
}

std::u16string ChequeText(HWND amount, bool with_currency) {
  const std::u16string form = ChequeAmount(WindowText(amount));
  if (form.empty() || !with_currency) return form;
  return u"人民币" + form;
}

Menu TextBoxMenu(HWND edit, const TextBoxOptions& options) {
  Menu menu(CreatePopupMenu());
  const HMENU m = menu.get();
  if (options.cheque_amount != nullptr) {
    const bool cheque = !ChequeText(options.cheque_amount, false).empty();
    Append(m, kCopyCheque, L"复制票据金额\tCtrl+Shift+C", cheque);
    Append(m, kCopyChequeWithCurrency, L"复制票据金额（含人民币）", cheque);
    AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
  }
  const auto [start, end] = Selection(edit);
  const bool selected = start != end;
  const bool writable = (GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY) == 0;
  Append(m, kUndo, L"撤销(&U)\tCtrl+Z", writable && SendMessageW(edit, EM_CANUNDO, 0, 0) != 0);
  AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
  Append(m, kCut, L"剪切(&T)\tCtrl+X", writable && selected);
  Append(m, kCopy, L"复制(&C)\tCtrl+C", selected);
  Append(m, kPaste, L"粘贴(&P)\tCtrl+V", writable && ClipboardHasText());
  Append(m, kDelete, L"删除", writable && selected);
  AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
  Append(m, kSelectAll, L"全选\tCtrl+A", GetWindowTextLengthW(edit) > 0);
  return menu;
}

void RunTextBoxCommand(HWND edit, const TextBoxOptions& options, UINT command) {
  switch (command) {
    case kCopyCheque:
    case kCopyChequeWithCurrency:
      CopyCheque(edit, options, command == kCopyChequeWithCurrency);
      break;
    case kUndo:
      SendMessageW(edit, WM_UNDO, 0, 0);
      break;
    case kCut:
      SendMessageW(edit, WM_CUT, 0, 0);
      break;
    case kCopy:
      SendMessageW(edit, WM_COPY, 0, 0);
      break;
    case kPaste:
      SendMessageW(edit, WM_PASTE, 0, 0);
      break;
    case kDelete:
      SendMessageW(edit, WM_CLEAR, 0, 0);
      break;
    case kSelectAll:
      SendMessageW(edit, EM_SETSEL, 0, -1);
      break;
    default:
      break;
  }
}

}  // namespace numoria::win32

#include "app/win32/text_box.h"

#include <commctrl.h>

#include <algorithm>

#include "app/win32/clipboard.h"
#include "app/win32/wide.h"
#include "app/window_description.h"
#include "textnum/typed_text.h"

namespace numoria::win32 {
namespace {

using window::Input;

constexpr UINT_PTR kSubclassId = 1;

struct Box {
  Control control;
  ActionHost* host;
};

[[nodiscard]] Input InputOf(Control control) { return window::Describe(control).input; }

[[nodiscard]] std::pair<DWORD, DWORD> Selection(HWND edit) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {start, end};
}

[[nodiscard]] bool Writable(HWND edit) {
  return (GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY) == 0;
}

[[nodiscard]] WPARAM Stored(WPARAM typed, Input input) {
  if (input == Input::kAsTyped) return typed;
  const auto c = static_cast<char16_t>(typed);
  return FoldFullWidth(std::u16string_view(&c, 1)).front();
}

// A paste as the box stores it, cut to the room its limit leaves.
void PasteCleaned(HWND edit, Input input) {
  if (!Writable(edit)) return;
  const std::u16string pasted = ClipboardText(edit);
  std::u16string stored = input == Input::kAmount ? PastedAmount(pasted) : PastedLine(pasted);
  const auto [start, end] = Selection(edit);
  const auto length = static_cast<std::size_t>(GetWindowTextLengthW(edit));
  const auto limit = static_cast<std::size_t>(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0));
  const std::size_t kept = length - (end - start);
  stored.resize(std::min(stored.size(), limit > kept ? limit - kept : 0));
  // As the system's paste: an empty clipboard still replaces a selection.
  if (stored.empty() && start == end) return;
  SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Wide(stored).c_str()));
}

void ShowMenu(HWND edit, const Box& box, LPARAM at) {
  SetFocus(edit);
  const Menu menu = TextBoxMenu(edit, box.control, *box.host);
  const POINT point = MenuPoint(edit, at);
  const auto command =
      static_cast<UINT>(TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                       point.x, point.y, 0, edit, nullptr));
  if (command != 0) RunTextBoxCommand(edit, command, *box.host);
}

LRESULT CALLBACK TextBoxProc(HWND edit, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                             DWORD_PTR data) {
  const Box& box = *reinterpret_cast<const Box*>(data);
  switch (message) {
    case WM_KEYDOWN:
      if (RunShortcut(box.control, wparam, *box.host)) return 0;
      break;
    case WM_CHAR:
    case WM_IME_CHAR: {
      // A shortcut's Ctrl+letter also types a control character, which the
      // box would take as its own command (Ctrl+C copies the selection).
      if (wparam >= 1 && wparam <= 26 && ShortcutAction(box.control, wparam + 'A' - 1)) return 0;
      return DefSubclassProc(edit, WM_CHAR, Stored(wparam, InputOf(box.control)), lparam);
    }
    case WM_PASTE:
      if (InputOf(box.control) == Input::kAsTyped) break;
      PasteCleaned(edit, InputOf(box.control));
      return 0;
    case WM_CONTEXTMENU:
      ShowMenu(edit, box, lparam);
      return 0;
    case WM_NCDESTROY:
      RemoveWindowSubclass(edit, TextBoxProc, kSubclassId);
      delete &box;
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

void MakeTextBox(HWND edit, Control control, ActionHost& host) {
  SetWindowSubclass(edit, TextBoxProc, kSubclassId,
                    reinterpret_cast<DWORD_PTR>(new Box{control, &host}));
}

Menu TextBoxMenu(HWND edit, Control control, ActionHost& host) {
  host.Dispatch(control, Event::kMenu);
  Menu menu(CreatePopupMenu());
  const HMENU m = menu.get();
  AppendActions(m, control, host, true);
  const auto [start, end] = Selection(edit);
  const bool selected = start != end;
  const bool writable = Writable(edit);
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

void RunTextBoxCommand(HWND edit, UINT command, ActionHost& host) {
  if (RunAction(command, host)) return;
  switch (command) {
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

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

// The characters the box's limit still lets in.
[[nodiscard]] std::size_t Room(HWND edit) {
  const auto [start, end] = Selection(edit);
  const auto length = static_cast<std::size_t>(GetWindowTextLengthW(edit));
  const auto limit = static_cast<std::size_t>(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0));
  const std::size_t kept = length - (end - start);
  return limit > kept ? limit - kept : 0;
}

// Tells the user why the box did not take what he typed or pasted.
void Notify(HWND edit, const std::u16string& notice) {
  const std::wstring text = Wide(notice);
  EDITBALLOONTIP tip{sizeof tip, L"", text.c_str(), TTI_NONE};
  SendMessageW(edit, EM_SHOWBALLOONTIP, 0, reinterpret_cast<LPARAM>(&tip));
}

[[nodiscard]] int Limit(HWND edit) {
  return static_cast<int>(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0));
}

[[nodiscard]] std::u16string StoredPaste(std::u16string_view pasted, Input input) {
  switch (input) {
    case Input::kLine:
      return PastedLine(pasted);
    case Input::kPrice:
      return PastedPrice(pasted);
    case Input::kAmount:
      return PastedAmount(pasted);
    case Input::kAsTyped:
      break;
  }
  return std::u16string(pasted);
}

// A paste as the box stores it, or none at all when the box refuses it
// whole (several values, or more than the room left).
void PasteCleaned(HWND edit, Input input) {
  if (!Writable(edit)) return;
  const std::u16string pasted = ClipboardText(edit);
  const std::u16string stored = StoredPaste(pasted, input);
  const PasteRefusal refusal =
      RefusedPaste(pasted, stored.size(), input != Input::kLine, Room(edit));
  if (refusal != PasteRefusal::kNone) {
    Notify(edit, PasteRefusalNotice(refusal, Limit(edit)));
    return;
  }
  const auto [start, end] = Selection(edit);
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
      if (wparam >= 0x20 && Writable(edit) && Room(edit) == 0) {
        // The box is full: the character is refused, and the model told.
        Notify(edit, TypingRefusalNotice(Limit(edit)));
        box.host->Dispatch(box.control, Event::kRefused);
        return 0;
      }
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

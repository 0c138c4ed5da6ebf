#include "app/win32/copy_menus.h"

#include <windowsx.h>

#include <array>

#include "app/win32/clipboard.h"
#include "app/win32/wide.h"
#include "discount/current_price_text.h"
#include "expression/result_text.h"

namespace numoria::win32 {
namespace {

[[nodiscard]] std::u16string WholeText(std::u16string_view caption) {
  return std::u16string(caption);
}

struct Copyable {
  std::u16string_view control;
  NumberRule rule;
};

constexpr std::array kCopyable{
    Copyable{u"Display", &WholeText},
    Copyable{u"Label2", &ResultNumber},
    Copyable{u"Labxj", &CurrentPriceNumber},
};

}  // namespace

NumberRule CopyRule(std::u16string_view control) {
  for (const Copyable& c : kCopyable) {
    if (c.control == control) return c.rule;
  }
  return nullptr;
}

Menu LabelMenu(std::u16string_view number) {
  Menu menu(CreatePopupMenu());
  AppendMenuW(menu.get(), MF_STRING | (number.empty() ? MF_GRAYED : MF_ENABLED), kCopyNumber,
              L"复制");
  return menu;
}

void ShowLabelMenu(HWND label, NumberRule rule, LPARAM at) {
  POINT point{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
  if (at == -1) {
    point = {0, 0};
    ClientToScreen(label, &point);
  }
  const std::u16string number = rule(WindowText(label));
  const Menu menu = LabelMenu(number);
  const BOOL command = TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                      point.x, point.y, 0, label, nullptr);
  if (command == static_cast<BOOL>(kCopyNumber) && !number.empty()) {
    SetClipboardText(label, number);
  }
}

}  // namespace numoria::win32

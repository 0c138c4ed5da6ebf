#include "app/win32/control_builder.h"

#include <algorithm>
#include <optional>

#include "app/win32/dpi.h"
#include "app/win32/frame.h"
#include "app/win32/labels.h"
#include "app/win32/wide.h"

namespace numoria::win32 {
namespace {

using window::Kind;

struct WindowKind {
  const wchar_t* window_class;
  DWORD style;
  DWORD extended_style;
};

[[nodiscard]] WindowKind KindOf(const window::ControlDescription& entry) {
  constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
  switch (entry.kind) {
    case Kind::kFrame:
      return {kFrameClass, kChild | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT};
    case Kind::kLabel: {
      // SS_NOTIFY lets a label take the mouse, for its context menu.
      const DWORD border = entry.border == window::Border::kFixedSingle ? WS_BORDER : 0;
      return {L"STATIC", kChild | SS_OWNERDRAW | SS_NOTIFY | border, 0};
    }
    case Kind::kTextBox:
      return {L"EDIT", kChild | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case Kind::kButton:
      return {L"BUTTON", kChild | WS_TABSTOP | BS_PUSHBUTTON, 0};
    case Kind::kHScrollBar:
      return {L"SCROLLBAR", kChild | WS_TABSTOP | SBS_HORZ, 0};
    case Kind::kForm:
    case Kind::kTimer:
    case Kind::kAction:
      break;
  }
  return {nullptr, 0, 0};
}

[[nodiscard]] HWND WindowOf(std::span<const ControlWindow> made, std::u16string_view name,
                            HWND form) {
  const auto it = std::find_if(made.begin(), made.end(),
                               [&](const ControlWindow& c) { return c.entry->name == name; });
  return it != made.end() ? it->window : form;
}

void SetUp(const ControlWindow& control) {
  const window::ControlDescription& entry = *control.entry;
  if (entry.kind == Kind::kHScrollBar) {
    SCROLLINFO range{sizeof range,
                     SIF_RANGE | SIF_POS,
                     entry.range.minimum,
                     entry.range.maximum,
                     0,
                     entry.range.minimum,
                     0};
    SetScrollInfo(control.window, SB_CTL, &range, TRUE);
  }
}

}  // namespace

const window::Font& EffectiveFont(const window::ControlDescription& entry) {
  const window::ControlDescription* at = &entry;
  while (at->font.face.empty() && !at->parent.empty()) {
    const std::optional<Control> parent = window::ControlNamed(at->parent);
    if (!parent) break;
    at = &window::Describe(*parent);
  }
  return at->font;
}

std::vector<ControlWindow> CreateControls(HWND form, HINSTANCE instance) {
  std::vector<ControlWindow> made;
  for (const window::ControlDescription& entry : window::Description()) {
    const WindowKind kind = KindOf(entry);
    if (kind.window_class == nullptr) continue;
    const HWND parent = WindowOf(made, entry.parent, form);
    const HWND window = CreateWindowExW(
        kind.extended_style, kind.window_class, Wide(entry.caption).c_str(), kind.style, 0, 0, 0, 0,
        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + entry.tab_index)),
        instance, const_cast<window::ControlDescription*>(&entry));
    made.push_back({&entry, window});
    SetUp(made.back());
  }
  // Tab and Shift+Tab follow the order of siblings: lowest tab index on top.
  std::vector<ControlWindow> by_tab = made;
  std::sort(by_tab.begin(), by_tab.end(), [](const ControlWindow& a, const ControlWindow& b) {
    return a.entry->tab_index < b.entry->tab_index;
  });
  for (const ControlWindow& control : by_tab) {
    SetWindowPos(control.window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  return made;
}

void LayOut(std::span<const ControlWindow> controls, FontCache& fonts, UINT dpi) {
  for (const ControlWindow& control : controls) {
    const window::ControlDescription& entry = *control.entry;
    const window::Twips& g = entry.geometry;
    SetWindowPos(control.window, nullptr, Scale(g.left, dpi), Scale(g.top, dpi),
                 Scale(g.width, dpi), Scale(g.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(control.window, WM_SETFONT,
                 reinterpret_cast<WPARAM>(fonts.Get(EffectiveFont(entry), dpi)), TRUE);
    if (entry.auto_size) FitToText(control.window);
  }
}

}  // namespace numoria::win32

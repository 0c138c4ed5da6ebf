#include "app/win32/labels.h"

#include <string>

#include "app/win32/colours.h"
#include "app/win32/frame.h"
#include "app/win32/gdi.h"
#include "app/win32/wide.h"

namespace numoria::win32 {
namespace {

void PaintBehind(HDC dc, HWND label, const RECT& size, const window::ControlDescription& entry,
                 const Background& background) {
  const HWND parent = GetParent(label);
  if (!entry.transparent) {
    const Brush own(CreateSolidBrush(ColourRef(entry.back, GetSysColor(COLOR_BTNFACE))));
    FillRect(dc, &size, own.get());
  } else if (parent == GetAncestor(label, GA_ROOT)) {
    RECT in_form = size;
    MapWindowPoints(label, parent, reinterpret_cast<POINT*>(&in_form), 2);
    background.Paint(dc, in_form, 0, 0);
  } else {
    const Brush frame(CreateSolidBrush(FrameBackground(parent)));
    FillRect(dc, &size, frame.get());
  }
}

}  // namespace

void PaintLabel(const DRAWITEMSTRUCT& item, const window::ControlDescription& entry,
                const Background& background) {
  const RECT& rect = item.rcItem;
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  // Drawn off screen and copied at once: the clock changes every 600 ms.
  const HDC dc = CreateCompatibleDC(item.hDC);
  const Bitmap canvas(CreateCompatibleBitmap(item.hDC, width, height));
  const HGDIOBJ old_bitmap = SelectObject(dc, canvas.get());
  const RECT size{0, 0, width, height};
  PaintBehind(dc, item.hwndItem, size, entry, background);
  const auto font = reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
  const HGDIOBJ old_font = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColourRef(entry.fore, GetSysColor(COLOR_BTNTEXT)));
  const std::wstring text = Wide(WindowText(item.hwndItem));
  RECT text_rect = size;
  UINT format = DT_NOPREFIX | DT_WORDBREAK;
  if (entry.alignment == window::Alignment::kRight) format |= DT_RIGHT;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &text_rect, format);
  SelectObject(dc, old_font);
  BitBlt(item.hDC, rect.left, rect.top, width, height, dc, 0, 0, SRCCOPY);
  SelectObject(dc, old_bitmap);
  DeleteDC(dc);
}

void FitToText(HWND label) {
  const std::wstring text = Wide(WindowText(label));
  const HDC dc = GetDC(label);
  const HGDIOBJ old =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(label, dc);
  // An empty caption keeps a line's height, as a label with a blank does.
  SetWindowPos(label, nullptr, 0, 0, size.cx, metrics.tmHeight,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(GetParent(label), nullptr, FALSE);
}

}  // namespace numoria::win32

#include "app/win32/background.h"

#include <algorithm>

#include "app/win32/dpi.h"
#include "app/win32/resource_ids.h"

namespace numoria::win32 {

Background::Background(HINSTANCE instance)
    : picture_(static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(NUMORIA_BACKGROUND),
                                               IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))),
      face_(CreateSolidBrush(GetSysColor(COLOR_BTNFACE))) {}

void Background::SetDpi(UINT dpi) {
  BITMAP info{};
  if (picture_ == nullptr || GetObjectW(picture_.get(), sizeof info, &info) == 0) return;
  scaled_size_ = {ScalePixels(info.bmWidth, dpi), ScalePixels(info.bmHeight, dpi)};
  // Scaled once per DPI, so that every paint is a plain copy.
  const HDC screen = GetDC(nullptr);
  const HDC from = CreateCompatibleDC(screen);
  const HDC to = CreateCompatibleDC(screen);
  scaled_.reset(CreateCompatibleBitmap(screen, scaled_size_.cx, scaled_size_.cy));
  const HGDIOBJ old_from = SelectObject(from, picture_.get());
  const HGDIOBJ old_to = SelectObject(to, scaled_.get());
  SetStretchBltMode(to, HALFTONE);
  SetBrushOrgEx(to, 0, 0, nullptr);
  StretchBlt(to, 0, 0, scaled_size_.cx, scaled_size_.cy, from, 0, 0, info.bmWidth, info.bmHeight,
             SRCCOPY);
  SelectObject(from, old_from);
  SelectObject(to, old_to);
  DeleteDC(from);
  DeleteDC(to);
  ReleaseDC(nullptr, screen);
}

void Background::Paint(HDC dc, const RECT& area, int dc_x, int dc_y) const {
  const RECT whole{dc_x, dc_y, dc_x + area.right - area.left, dc_y + area.bottom - area.top};
  FillRect(dc, &whole, face_.get());
  if (scaled_ == nullptr) return;
  const int width = std::min<int>(area.right, scaled_size_.cx) - area.left;
  const int height = std::min<int>(area.bottom, scaled_size_.cy) - area.top;
  if (width <= 0 || height <= 0) return;
  const HDC source = CreateCompatibleDC(dc);
  const HGDIOBJ old = SelectObject(source, scaled_.get());
  BitBlt(dc, dc_x, dc_y, width, height, source, area.left, area.top, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
}

}  // namespace numoria::win32

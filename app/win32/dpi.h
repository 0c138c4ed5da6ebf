#pragma once

// Every size on screen comes from the description's twips and points through
// these functions, at the DPI of the monitor the window is on.

#include <windows.h>

#include "app/window_description.h"

namespace numoria::win32 {

inline constexpr UINT kStandardDpi = 96;

// Twips (1440 an inch) in device pixels.
[[nodiscard]] inline int Scale(int twips, UINT dpi) {
  return MulDiv(twips, static_cast<int>(dpi), 1440);
}

// Pixels at the standard DPI (pictures) in device pixels.
[[nodiscard]] inline int ScalePixels(int pixels, UINT dpi) {
  return MulDiv(pixels, static_cast<int>(dpi), static_cast<int>(kStandardDpi));
}

// The character height of a font of point_tenths tenths of a point, as a
// LOGFONT's negative lfHeight.
[[nodiscard]] inline int FontHeight(int point_tenths, UINT dpi) {
  return -MulDiv(point_tenths, static_cast<int>(dpi), 720);
}

// The window's DPI (Windows 10 and later), or the system's on older systems.
[[nodiscard]] UINT WindowDpi(HWND window);

// The outer size of a top-level window whose client area is client_width x
// client_height at dpi.
[[nodiscard]] SIZE OuterSize(int client_width, int client_height, DWORD style, UINT dpi);

}  // namespace numoria::win32

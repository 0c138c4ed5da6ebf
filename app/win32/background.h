#pragma once

// The window's background picture: drawn at its natural size (scaled with the
// DPI) from the client area's top-left corner, the button-face colour beyond.

#include <windows.h>

#include "app/win32/gdi.h"

namespace numoria::win32 {

class Background {
 public:
  explicit Background(HINSTANCE instance);
  void SetDpi(UINT dpi);

  // Paints area of the client area of form (form coordinates) into dc at
  // (dc_x, dc_y).
  void Paint(HDC dc, const RECT& area, int dc_x, int dc_y) const;

 private:
  Bitmap picture_;
  Bitmap scaled_;
  SIZE scaled_size_{};
  Brush face_;
};

}  // namespace numoria::win32

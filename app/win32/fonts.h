#pragma once

// The window's fonts: the description's faces where Windows has them (宋体,
// 黑体, 幼圆, 华文琥珀, MS Sans Serif), otherwise the nearest installed face or
// the compiled-in fonts, at the window's DPI. Each font is made once per DPI.

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "app/win32/gdi.h"
#include "app/window_description.h"

namespace numoria::win32 {

// Registers the compiled-in fonts with the process (once).
void LoadEmbeddedFonts(HINSTANCE instance);

// The face Windows draws for a face of the description.
[[nodiscard]] std::wstring InstalledFace(std::u16string_view face);

class FontCache {
 public:
  [[nodiscard]] HFONT Get(const window::Font& font, UINT dpi);
  void Clear() { fonts_.clear(); }

 private:
  std::map<std::tuple<std::u16string_view, int, int, UINT>, Font> fonts_;
};

}  // namespace numoria::win32

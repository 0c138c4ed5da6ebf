#pragma once

#include <windows.h>

#include "app/window_description.h"

namespace numoria::win32 {

// A description colour as a COLORREF; fallback where it is inherited.
[[nodiscard]] inline COLORREF ColourRef(const window::Colour& colour, COLORREF fallback) {
  switch (colour.source) {
    case window::Colour::Source::kFixed:
      return RGB((colour.rgb >> 16) & 0xFF, (colour.rgb >> 8) & 0xFF, colour.rgb & 0xFF);
    case window::Colour::Source::kSystem:
      return GetSysColor(colour.system == window::SystemColour::kHighlightText ? COLOR_HIGHLIGHTTEXT
                                                                               : COLOR_BTNFACE);
    case window::Colour::Source::kInherited:
      break;
  }
  return fallback;
}

}  // namespace numoria::win32

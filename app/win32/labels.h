#pragma once

// Labels are owner-drawn static controls: the system's static control can
// neither let the window's picture show through nor keep its text colour.

#include <windows.h>

#include "app/win32/background.h"
#include "app/window_description.h"

namespace numoria::win32 {

// Paints a label: behind a transparent one what lies beneath it (its frame's
// colour or the window's picture), behind an opaque one its own colour; then
// its text, broken at word boundaries inside its width.
void PaintLabel(const DRAWITEMSTRUCT& item, const window::ControlDescription& entry,
                const Background& background);

// Gives an auto-size label the size of its text on one line, its top-left
// corner fixed.
void FitToText(HWND label);

}  // namespace numoria::win32

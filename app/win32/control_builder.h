#pragma once

// Turns the window description into Win32 windows: one loop creates every
// control (control ID = 100 + tab index), another places them and gives them
// their fonts at a DPI.

#include <windows.h>

#include <span>
#include <vector>

#include "app/win32/fonts.h"
#include "app/window_description.h"

namespace numoria::win32 {

inline constexpr int kFirstControlId = 100;

struct ControlWindow {
  const window::ControlDescription* entry;
  HWND window;
};

// Every control of the description but the form and the timer, children of
// form or of their frames, in tab order among their siblings.
[[nodiscard]] std::vector<ControlWindow> CreateControls(HWND form, HINSTANCE instance);

// Places the controls and sets their fonts for dpi; auto-size labels take
// the size of their text.
void LayOut(std::span<const ControlWindow> controls, FontCache& fonts, UINT dpi);

// The font a control draws with: its own, else its parent's, else the form's.
[[nodiscard]] const window::Font& EffectiveFont(const window::ControlDescription& entry);

}  // namespace numoria::win32

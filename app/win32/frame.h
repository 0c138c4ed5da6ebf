#pragma once

// The frames: group boxes drawn by the program, since the system's group box
// ignores a caption colour and leaves its corners grey. A frame is the parent
// of its controls and passes their notifications on to the main window.

#include <windows.h>

namespace numoria::win32 {

inline constexpr wchar_t kFrameClass[] = L"NumoriaFrame";

// Registers the frame's window class. CreateWindowExW's last argument is the
// frame's entry of the window description.
void RegisterFrameClass(HINSTANCE instance);

// The colour behind the frame's controls.
[[nodiscard]] COLORREF FrameBackground(HWND frame);

}  // namespace numoria::win32

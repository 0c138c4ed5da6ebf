// Numoria on Windows: one window, closed to end the program.
#include <windows.h>

#include "app/win32/main_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  numoria::win32::RegisterWindowClasses(instance);
  const HWND window = numoria::win32::MainWindow::Create(instance, show);
  if (window == nullptr) return 1;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // Tab, Shift+Tab and Enter on a focused button, as in a dialog.
    if (IsDialogMessageW(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

#pragma once

// Numoria's window on Windows, Form1: four tools side by side and a clock.
//
// How a keystroke or a click travels:
//   1. app/window_description.cpp  every control as data;
//   2. control_builder.cpp         creates a system control per entry (control
//                                  ID = 100 + tab index) and places it by DPI;
//   3. main_window.cpp             one switch on the message: a notification
//                                  (BN_CLICKED, EN_CHANGE, WM_HSCROLL,
//                                  WM_TIMER, WM_ACTIVATE) becomes one call,
//                                  model.Dispatch(control, event);
//   4. app/window_model.cpp        the binding table runs the toolkit-free
//                                  handler (keypad/, expression/, capital/,
//                                  discount/, app/activate.cpp, app/timer.cpp);
//   5. window_controls.cpp         the Controls accessor the handler writes
//                                  through: the windows show the new texts.
// Frames (frame.cpp) and labels (labels.cpp) are drawn by the program; text
// boxes (text_box.cpp) and keypad keys (keypad_keys.cpp) are subclassed;
// context menus list the description's actions (actions.cpp).

#include <windows.h>

#include <memory>
#include <vector>

#include "app/win32/accessibility.h"
#include "app/win32/actions.h"
#include "app/win32/background.h"
#include "app/win32/control_builder.h"
#include "app/win32/fonts.h"
#include "app/win32/keypad_keys.h"
#include "app/win32/window_controls.h"
#include "app/window_model.h"

namespace numoria::win32 {

inline constexpr wchar_t kMainWindowClass[] = L"NumoriaWindow";

// Registers the window classes and the compiled-in fonts, loads the common
// controls and starts COM on the calling thread; once per process, on the
// window's thread, before the first window.
void RegisterWindowClasses(HINSTANCE instance);

class MainWindow final : public ActionHost {
 public:
  // Creates and shows the window; it lives until it is closed.
  static HWND Create(HINSTANCE instance, int show);

  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  void Dispatch(Control control, Event event) override { model_.Dispatch(control, event); }
  [[nodiscard]] bool Enabled(Control action) const override { return controls_.Enabled(action); }

 private:
  friend void RegisterWindowClasses(HINSTANCE instance);

  MainWindow(HWND window, HINSTANCE instance);
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);

  void OnCreate();
  void OnCommand(WPARAM wparam, LPARAM lparam);
  void OnHScroll(WPARAM wparam, HWND bar);
  void OnActivate(WPARAM wparam, HWND other);
  void OnContextMenu(HWND target, LPARAM at);
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  void OnDpiChanged(UINT dpi, const RECT& suggested);
  void EraseBackground(HDC dc);
  void DispatchFrom(HWND control, Event event);
  [[nodiscard]] const window::ControlDescription* EntryOf(HWND control) const;

  HWND window_;
  HINSTANCE instance_;
  UINT dpi_;
  WindowControls controls_;
  WindowModel model_;
  FontCache fonts_;
  Background background_;
  KeypadKeys keypad_keys_;
  std::vector<ControlWindow> children_;
  HWND focus_before_ = nullptr;
};

}  // namespace numoria::win32

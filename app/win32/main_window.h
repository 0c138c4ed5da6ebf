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
//   4. model_glue.cpp              the binding table runs the toolkit-free
//                                  handler (keypad/, expression/, capital/,
//                                  discount/, app/activate.cpp, clock.cpp);
//   5. window_controls.cpp         the Controls accessor the handler writes
//                                  through: the windows show the new texts.
// Frames (frame.cpp) and labels (labels.cpp) are drawn by the program; text
// boxes (text_box.cpp) and keypad keys (keypad_keys.cpp) are subclassed.

#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "app/win32/accessibility.h"
#include "app/win32/background.h"
#include "app/win32/control_builder.h"
#include "app/win32/fonts.h"
#include "app/win32/keypad_keys.h"
#include "app/win32/model_glue.h"
#include "app/win32/text_box.h"
#include "app/win32/window_controls.h"

namespace numoria::win32 {

inline constexpr wchar_t kMainWindowClass[] = L"NumoriaWindow";

// Registers the window classes and the compiled-in fonts, and loads the
// common controls; once per process, before the first window.
void RegisterWindowClasses(HINSTANCE instance);

class MainWindow {
 public:
  // Creates and shows the window; it lives until it is closed.
  static HWND Create(HINSTANCE instance, int show);

  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

 private:
  friend void RegisterWindowClasses(HINSTANCE instance);

  MainWindow(HWND window, HINSTANCE instance);
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);

  void OnCreate();
  void OnCommand(WPARAM wparam, LPARAM lparam);
  void OnHScroll(WPARAM wparam, HWND bar);
  void OnActivate(WPARAM wparam);
  void OnContextMenu(HWND target, LPARAM at);
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  void OnDpiChanged(UINT dpi, const RECT& suggested);
  void EraseBackground(HDC dc);
  void Dispatch(HWND control, Event event);
  void UpdateChequeTip();
  [[nodiscard]] const window::ControlDescription* EntryOf(HWND control) const;

  HWND window_;
  HINSTANCE instance_;
  UINT dpi_;
  WindowControls controls_;
  Model model_;
  FontCache fonts_;
  Background background_;
  KeypadKeys keypad_keys_;
  AccessibleNames accessible_names_;
  std::vector<ControlWindow> children_;
  std::map<std::u16string_view, TextBoxOptions> text_boxes_;
  HWND cheque_tip_ = nullptr;
  std::wstring cheque_tip_text_;
  bool activated_before_ = false;
  HWND focus_before_ = nullptr;
};

}  // namespace numoria::win32

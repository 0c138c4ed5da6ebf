#pragma once

// The keypad from the keyboard: while a key of Frame1 has the focus, a digit,
// ".", an operator, "=", Escape or Delete, "r" or F9 presses its keypad key as
// a click does (keypad/key_map.h), and Ctrl+C copies the Display's text.

#include <windows.h>

#include "app/win32/window_controls.h"

namespace numoria::win32 {

class KeypadKeys {
 public:
  explicit KeypadKeys(const WindowControls& controls) : controls_(controls) {}
  KeypadKeys(const KeypadKeys&) = delete;
  KeypadKeys& operator=(const KeypadKeys&) = delete;

  // Makes button, a key of the keypad, take the keypad's keys.
  void Attach(HWND button);

 private:
  static LRESULT CALLBACK Proc(HWND button, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                               DWORD_PTR self);
  // The key the message presses, or nullptr.
  [[nodiscard]] HWND Target(const MSG& key) const;
  [[nodiscard]] bool IsCopy(const MSG& key) const;
  void Press(HWND key);

  const WindowControls& controls_;
  // The last key went down on the number pad.
  bool number_pad_ = false;
};

}  // namespace numoria::win32

#pragma once

// The keypad from the keyboard: a key stroke on a keypad button goes to the
// model, which names the key it presses (a digit, ".", an operator, "=",
// Escape or Delete, "r" or F9) or the Display's copy action (Ctrl+C).

#include <windows.h>

#include "app/win32/actions.h"
#include "app/win32/window_controls.h"

namespace numoria::win32 {

class KeypadKeys {
 public:
  KeypadKeys(const WindowControls& controls, ActionHost& host) : controls_(controls), host_(host) {}
  KeypadKeys(const KeypadKeys&) = delete;
  KeypadKeys& operator=(const KeypadKeys&) = delete;

  // Makes button, a key of the keypad, take the keypad's keys.
  void Attach(HWND button);

 private:
  static LRESULT CALLBACK Proc(HWND button, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                               DWORD_PTR self);
  // What the key stroke in message presses on button, or nullopt.
  [[nodiscard]] std::optional<Control> Target(HWND button, const MSG& key) const;
  void Press(Control target);

  const WindowControls& controls_;
  ActionHost& host_;
  // The last key went down on the number pad.
  bool number_pad_ = false;
};

}  // namespace numoria::win32

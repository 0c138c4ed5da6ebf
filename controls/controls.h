#pragma once

// The handlers' only way to the window: each front-end implements it once
// over its own widgets, and tests over a record per control, so every
// handler runs the same on every toolkit and in a unit test.

#include <cstdint>
#include <string>
#include <string_view>

#include "app/control.h"

namespace numoria {

// The local time to the whole second, with the date in the user's short date
// format and the time of day in the user's long time format.
struct LocalTime {
  int hour = 0;
  int minute = 0;
  int second = 0;
  std::u16string date;
  std::u16string time;
};

class Controls {
 public:
  virtual ~Controls() = default;

  // Caption of a label or button.
  [[nodiscard]] virtual std::u16string Caption(Control control) const = 0;
  virtual void SetCaption(Control control, std::u16string_view caption) = 0;

  // Text of a text box.
  [[nodiscard]] virtual std::u16string Text(Control control) const = 0;
  virtual void SetText(Control control, std::u16string_view text) = 0;

  // Value of a scroll bar.
  [[nodiscard]] virtual std::int16_t Value(Control control) const = 0;

  // Longest text the user may type or paste into a text box.
  virtual void SetMaxLength(Control control, int max_length) = 0;

  virtual void SetFocus(Control control) = 0;

  // The tip shown while the pointer rests on a control; empty for none.
  virtual void SetToolTip(Control control, std::u16string_view tip) = 0;

  // Whether an action can be chosen (and its shortcut works).
  virtual void SetEnabled(Control action, bool enabled) = 0;

  virtual void SetClipboardText(std::u16string_view text) = 0;

  // A modal message box with one OK button and no icon; returns when closed.
  virtual void ShowMessage(std::u16string_view text, std::u16string_view caption) = 0;

  // The system clock, read now.
  [[nodiscard]] virtual LocalTime Now() const = 0;
};

}  // namespace numoria

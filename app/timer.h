#pragma once

// The clock under the panels. The front-end reads the system clock and the
// user's date and time formats (Controls::Now); the rule is the window's.

#include <string>

#include "controls/controls.h"

namespace numoria {

// The clock's text: the date, one blank and the time of day; at exactly
// midnight the date alone.
[[nodiscard]] std::u16string ClockCaption(const LocalTime& now);

// Timer handler of Timer1 (every 600 milliseconds, from the description):
// shows the current local date and time in Label12.
void Timer1_Timer(Controls& controls);

}  // namespace numoria

#pragma once

#include <windows.h>

#include <string>

#include "controls/controls.h"

namespace numoria::win32 {

// The clock's text for a local time: the user's short date, one blank and
// the time of day in the user's long time format, to the whole second; at
// exactly midnight the date alone.
[[nodiscard]] std::u16string ClockText(const SYSTEMTIME& now);

// Timer handler of Timer1: shows the current local date and time in Label12.
void Timer1_Timer(Controls& controls);

}  // namespace numoria::win32

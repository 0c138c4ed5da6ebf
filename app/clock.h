#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringView>

#include "controls/controls.h"

namespace numoria {

// A time pattern with its time-zone fields ("t" ... "tttt") removed, together
// with what only frames them: the blank or comma that separates them, and
// brackets around them ("HH:mm:ss (t)" -> "HH:mm:ss"). Quoted literal text is
// left alone.
[[nodiscard]] QString WithoutTimeZone(QStringView time_pattern);

// A time pattern with the fields Qt does not know written as the locale
// means them: a day period ("B", "b") becomes the locale's AM/PM text.
[[nodiscard]] QString WithKnownFields(QStringView time_pattern);

// The clock's text: the locale's short date, one blank and the time of day in
// the locale's long time pattern without the zone, to the whole second; at
// exactly midnight the date alone.
[[nodiscard]] QString ClockText(const QDateTime& now, const QLocale& locale);

// Timer handler of Timer1: shows the current local date and time in Label12.
void Timer1_Timer(Controls& controls);

}  // namespace numoria

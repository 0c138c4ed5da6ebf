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

// The time to the whole second with the locale's short date and its long
// time pattern without the zone.
[[nodiscard]] LocalTime LocalTimeOf(const QDateTime& now, const QLocale& locale);

// The clock's text for that time (ClockCaption): at exactly midnight the date
// alone.
[[nodiscard]] QString ClockText(const QDateTime& now, const QLocale& locale);

}  // namespace numoria

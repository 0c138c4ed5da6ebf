#include "app/clock.h"

#include "app/qt_text.h"

namespace numoria {

QString WithoutTimeZone(QStringView time_pattern) {
  QString result;
  bool quoted = false;
  qsizetype i = 0;
  while (i < time_pattern.size()) {
    const QChar c = time_pattern.at(i);
    if (c == u'\'') quoted = !quoted;
    if (quoted || c != u't') {
      result.append(c);
      ++i;
      continue;
    }
    while (i < time_pattern.size() && time_pattern.at(i) == u't') ++i;
    // Drop the blank that separated the zone from the rest: the one before
    // it, or the one after it when the zone leads.
    if (result.endsWith(u' ')) {
      result.chop(1);
    } else if (i < time_pattern.size() && time_pattern.at(i) == u' ') {
      ++i;
    }
  }
  return result;
}

QString ClockText(const QDateTime& now, const QLocale& locale) {
  const QTime time = now.time();
  const QTime whole_second(time.hour(), time.minute(), time.second());
  const QString date = locale.toString(now.date(), QLocale::ShortFormat);
  if (whole_second == QTime(0, 0)) return date;
  const QString pattern = WithoutTimeZone(locale.timeFormat(QLocale::LongFormat));
  return date + u' ' + locale.toString(whole_second, pattern);
}

void Timer1_Timer(Controls& controls) {
  controls.SetCaption(u"Label12", ToU16String(ClockText(QDateTime::currentDateTime(), QLocale())));
}

}  // namespace numoria

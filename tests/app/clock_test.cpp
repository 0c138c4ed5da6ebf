#include "app/clock.h"

#include <gtest/gtest.h>

#include <QTimeZone>

namespace numoria {
namespace {

TEST(WithoutTimeZone, DropsZoneFieldsAndTheirBlank) {
  // clang-format off
  constexpr struct { const char* pattern; const char* want; } kCases[] = {
      {"t HH:mm:ss", "HH:mm:ss"}, {"h:mm:ss AP t", "h:mm:ss AP"}, {"HH:mm:ss tttt", "HH:mm:ss"},
      {"H時mm分ss秒 t", "H時mm分ss秒"}, {"HH:mm:ss", "HH:mm:ss"},
      {"h 'at' t", "h 'at'"},  // t inside quotes is text
      {"tHH:mm", "HH:mm"}, {"", ""}};
  // clang-format on
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.pattern);
    EXPECT_EQ(WithoutTimeZone(QString::fromUtf8(c.pattern)), QString::fromUtf8(c.want));
  }
}

TEST(ClockText, ShortDateBlankLongTimeWithoutZone) {
  // clang-format off
  const struct { const char* locale; QTime time; const char* want; } kCases[] = {
      {"zh_CN", QTime(23, 59, 59), "2024/1/5 23:59:59"}, {"zh_CN", QTime(0, 0, 0), "2024/1/5"},
      {"zh_CN", QTime(0, 0, 1), "2024/1/5 00:00:01"},
      {"zh_CN", QTime(0, 0, 0, 999), "2024/1/5"},  // midnight to the whole second
      {"en_US", QTime(23, 59, 59), "1/5/24 11:59:59 PM"}, {"en_US", QTime(0, 0, 0), "1/5/24"},
      {"en_US", QTime(12, 0, 0), "1/5/24 12:00:00 PM"}};
  // clang-format on
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.locale) + " " + c.time.toString().toStdString());
    const QDateTime now(QDate(2024, 1, 5), c.time);
    EXPECT_EQ(ClockText(now, QLocale(QString::fromLatin1(c.locale))), QString::fromUtf8(c.want));
  }
}

// Whatever the locale and zone, no zone name reaches the clock.
TEST(ClockText, NoZoneTextInAnyLocale) {
  for (const char* zone : {"UTC", "Asia/Shanghai", "America/New_York", "Europe/Berlin"}) {
    const QDateTime now(QDate(2024, 7, 1), QTime(13, 14, 15), QTimeZone(zone));
    const QString abbreviation = now.timeZoneAbbreviation();
    for (const char* name : {"zh_CN", "zh_TW", "en_US", "en_GB", "de_DE", "ja_JP", "C"}) {
      const QString text = ClockText(now, QLocale(QString::fromLatin1(name)));
      SCOPED_TRACE(std::string(zone) + " " + name + ": " + text.toStdString());
      EXPECT_FALSE(text.contains(u"UTC") || text.contains(u"GMT") || text.contains(abbreviation));
      EXPECT_FALSE(text.contains(u"  ") || text.endsWith(u' '));
    }
  }
}

}  // namespace
}  // namespace numoria

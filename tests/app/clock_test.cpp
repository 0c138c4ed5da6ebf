#include "app/clock.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <QRegularExpression>
#include <QStringList>
#include <QTimeZone>

namespace numoria {
namespace {

TEST(WithoutTimeZone, DropsZoneFieldsAndTheirBlank) {
  // clang-format off
  constexpr struct { const char* pattern; const char* want; } kCases[] = {
      {"t HH:mm:ss", "HH:mm:ss"}, {"h:mm:ss AP t", "h:mm:ss AP"}, {"HH:mm:ss tttt", "HH:mm:ss"},
      {"H時mm分ss秒 t", "H時mm分ss秒"}, {"HH:mm:ss", "HH:mm:ss"},
      {"h 'at' t", "h 'at'"},  // t inside quotes is text
      {"tHH:mm", "HH:mm"}, {"", ""},
      {"HH:mm:ss (t)", "HH:mm:ss"}, {"Bh:mm:ss [t]", "Bh:mm:ss"}, {"h:mm:ss AP, t", "h:mm:ss AP"},
      {"(HH:mm t)", "(HH:mm)"}, {"HH:mm' 't", "HH:mm"}, {"t' 'HH", "HH"}, {"[t] HH", "HH"},
      {"HH t mm", "HH mm"}, {"'at' (t)", "'at'"}};
  // clang-format on
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.pattern);
    EXPECT_EQ(WithoutTimeZone(QString::fromUtf8(c.pattern)), QString::fromUtf8(c.want));
  }
}

TEST(WithKnownFields, DayPeriodAsAmPm) {
  constexpr struct { const char* pattern; const char* want; } kCases[] = {
      {"Bh:mm:ss", "Aph:mm:ss"}, {"BBBB h", "Ap h"}, {"h b", "h Ap"}, {"'B'h B", "'B'h Ap"},
      {"AP h", "AP h"}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.pattern);
    EXPECT_EQ(WithKnownFields(QString::fromUtf8(c.pattern)), QString::fromUtf8(c.want));
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

// Every locale: the time is whole (hours, minutes and seconds in the locale's
// digits), nothing is left of the zone, and no Latin letter stands in it
// that is neither the locale's AM/PM text nor a literal of its own pattern.
TEST(ClockText, CleanInEveryLocale) {
  const QDate day(2026, 12, 7);
  const QRegularExpression empty_brackets(QString::fromUtf8("[(\\[{（【「]\\s*[)\\]}）】」]"));
  const QRegularExpression quoted(QStringLiteral("'([^']*)'"));
  for (const QLocale& locale :
       QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
    const QString date = locale.toString(day, QLocale::ShortFormat);
    const QString text = ClockText(QDateTime(day, QTime(18, 43, 14)), locale);
    SCOPED_TRACE((locale.name() + QStringLiteral(": ") + text).toStdString());
    EXPECT_EQ(ClockText(QDateTime(day, QTime(0, 0)), locale), date);
    ASSERT_TRUE(text.startsWith(date + u' '));
    QString time = text.mid(date.size() + 1);
    EXPECT_FALSE(time.contains(empty_brackets));
    EXPECT_FALSE(time.endsWith(u' ') || time.endsWith(u',') || time.startsWith(u' ') ||
                 time.contains(u"  "));
    EXPECT_TRUE(time.contains(locale.toString(43)) && time.contains(locale.toString(14)));
    EXPECT_TRUE(time.contains(locale.toString(18)) || time.contains(locale.toString(6)));
    QStringList own = {locale.amText(), locale.pmText()};
    for (const auto& literal : quoted.globalMatch(locale.timeFormat(QLocale::LongFormat))) {
      own.append(literal.captured(1));
    }
    // Longest first, so that "a" does not cut into "kaj".
    std::sort(own.begin(), own.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
    for (const QString& piece : own) {
      if (!piece.isEmpty()) time.remove(piece, Qt::CaseInsensitive);
    }
    EXPECT_FALSE(time.contains(QRegularExpression(QStringLiteral("[A-Za-z]")))) << time.toStdString();
  }
}

}  // namespace
}  // namespace numoria

#include "app/qt/clock.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStringList>
#include <QTimeZone>
#include <algorithm>

namespace numoria {
namespace {

// The zone field goes with the brackets, commas and blanks that only frame
// it; the day period Qt does not know ("B") becomes AM/PM text.
TEST(ClockPattern, WithoutZoneAndWithKnownFields) {
  using Rule = QString (*)(QStringView);
  constexpr Rule kZone = WithoutTimeZone, kKnown = WithKnownFields;
  // clang-format off
  constexpr struct { Rule rule; const char* pattern; const char* want; } kCases[] = {
      {kZone, "t HH:mm:ss", "HH:mm:ss"}, {kZone, "h:mm:ss AP t", "h:mm:ss AP"},
      {kZone, "HH:mm:ss tttt", "HH:mm:ss"}, {kZone, "H時mm分ss秒 t", "H時mm分ss秒"},
      {kZone, "HH:mm:ss", "HH:mm:ss"}, {kZone, "h 'at' t", "h 'at'"},  // t inside quotes is text
      {kZone, "tHH:mm", "HH:mm"}, {kZone, "", ""}, {kZone, "HH:mm:ss (t)", "HH:mm:ss"},
      {kZone, "Bh:mm:ss [t]", "Bh:mm:ss"}, {kZone, "h:mm:ss AP, t", "h:mm:ss AP"},
      {kZone, "(HH:mm t)", "(HH:mm)"}, {kZone, "HH:mm' 't", "HH:mm"}, {kZone, "t' 'HH", "HH"},
      {kZone, "[t] HH", "HH"}, {kZone, "HH t mm", "HH mm"}, {kZone, "'at' (t)", "'at'"},
      {kKnown, "Bh:mm:ss", "Aph:mm:ss"}, {kKnown, "BBBB h", "Ap h"}, {kKnown, "h b", "h Ap"},
      {kKnown, "'B'h B", "'B'h Ap"}, {kKnown, "AP h", "AP h"}};
  // clang-format on
  for (const auto& c : kCases) {
    EXPECT_EQ(c.rule(QString::fromUtf8(c.pattern)), QString::fromUtf8(c.want)) << c.pattern;
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

// Every locale, in zones east and west: the time is whole (hours, minutes and
// seconds in the locale's digits), nothing is left of the zone, and no Latin
// letter stands in it that is neither the locale's AM/PM text nor a literal
// of its own pattern (so no "UTC", "GMT" or "CET" either).
TEST(ClockText, CleanInEveryLocale) {
  const QDate day(2026, 12, 7);
  const QRegularExpression empty_brackets(QString::fromUtf8("[(\\[{（【「]\\s*[)\\]}）】」]"));
  const QRegularExpression quoted(QStringLiteral("'([^']*)'"));
  const QList<QLocale> locales =
      QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
  for (const char* zone : {"UTC", "Asia/Shanghai", "America/New_York", "Europe/Berlin"}) {
    for (const QLocale& locale : locales) {
      const QString date = locale.toString(day, QLocale::ShortFormat);
      const QString text = ClockText(QDateTime(day, QTime(18, 43, 14), QTimeZone(zone)), locale);
      SCOPED_TRACE((zone + (" " + locale.name()) + QStringLiteral(": ") + text).toStdString());
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
      std::sort(own.begin(), own.end(),
                [](const QString& a, const QString& b) { return a.size() > b.size(); });
      for (const QString& piece : own) {
        if (!piece.isEmpty()) time.remove(piece, Qt::CaseInsensitive);
      }
      EXPECT_FALSE(time.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))))
          << time.toStdString();
    }
  }
}

}  // namespace
}  // namespace numoria

#include "app/qt/clock.h"

#include "app/qt/qt_text.h"
#include "app/timer.h"

namespace numoria {
namespace {

// Literal characters that only separate or frame a zone field.
[[nodiscard]] bool IsBlankOrComma(QChar c) {
  return c == u' ' || c == u'\u00A0' || c == u'\u202F' || c == u',' || c == u'\uFF0C' ||
         c == u'\u060C';
}

[[nodiscard]] bool IsOpeningBracket(QChar c) {
  return c == u'(' || c == u'[' || c == u'{' || c == u'\uFF08' || c == u'\u3010';
}

[[nodiscard]] bool IsClosingBracket(QChar c) {
  return c == u')' || c == u']' || c == u'}' || c == u'\uFF09' || c == u'\u3011';
}

// The length of a quoted literal at the start of `text` ("' '") that holds
// only blanks and commas; 0 when `text` starts otherwise.
[[nodiscard]] qsizetype FramingQuoteAtStart(QStringView text) {
  if (!text.startsWith(u'\'')) return 0;
  const qsizetype close = text.indexOf(u'\'', 1);
  if (close <= 1) return 0;
  for (const QChar c : text.mid(1, close - 1)) {
    if (!IsBlankOrComma(c)) return 0;
  }
  return close + 1;
}

// The same at the end of `text`.
[[nodiscard]] qsizetype FramingQuoteAtEnd(QStringView text) {
  if (!text.endsWith(u'\'') || text.size() < 3) return 0;
  const qsizetype open = text.lastIndexOf(u'\'', text.size() - 2);
  if (open < 0 || open == text.size() - 2) return 0;
  for (const QChar c : text.mid(open + 1, text.size() - open - 2)) {
    if (!IsBlankOrComma(c)) return 0;
  }
  return text.size() - open;
}

// Drops what frames a zone field that stood between `before` (already
// written) and the rest of the pattern from `rest_start`: the blanks, commas
// and opening brackets before it, as many closing brackets after it, and
// the separator after it when nothing comes before.
void DropFraming(QString& before, QStringView pattern, qsizetype& rest_start) {
  int opened = 0;
  while (!before.isEmpty()) {
    if (const qsizetype quote = FramingQuoteAtEnd(before)) {
      before.chop(quote);
    } else if (IsBlankOrComma(before.back())) {
      before.chop(1);
    } else if (IsOpeningBracket(before.back())) {
      before.chop(1);
      ++opened;
    } else {
      break;
    }
  }
  while (rest_start < pattern.size()) {
    const QChar c = pattern.at(rest_start);
    if (opened > 0 && IsClosingBracket(c)) {
      --opened;
      ++rest_start;
    } else if (before.isEmpty() && IsBlankOrComma(c)) {
      ++rest_start;
    } else if (const qsizetype quote = FramingQuoteAtStart(pattern.mid(rest_start));
               quote > 0 && (before.isEmpty() || opened > 0)) {
      rest_start += quote;
    } else {
      break;
    }
  }
}

}  // namespace

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
    DropFraming(result, time_pattern, i);
  }
  return result;
}

QString WithKnownFields(QStringView time_pattern) {
  QString result;
  bool quoted = false;
  for (qsizetype i = 0; i < time_pattern.size(); ++i) {
    const QChar c = time_pattern.at(i);
    if (c == u'\'') quoted = !quoted;
    if (quoted || (c != u'B' && c != u'b')) {
      result.append(c);
      continue;
    }
    while (i + 1 < time_pattern.size() && time_pattern.at(i + 1) == c) ++i;
    result.append(u"Ap");  // the locale's own AM/PM text, as it is written
  }
  return result;
}

LocalTime LocalTimeOf(const QDateTime& now, const QLocale& locale) {
  const QTime time = now.time();
  const QTime whole_second(time.hour(), time.minute(), time.second());
  const QString pattern =
      WithKnownFields(WithoutTimeZone(locale.timeFormat(QLocale::LongFormat)));
  return {time.hour(), time.minute(), time.second(),
          ToU16String(locale.toString(now.date(), QLocale::ShortFormat)),
          ToU16String(locale.toString(whole_second, pattern))};
}

QString ClockText(const QDateTime& now, const QLocale& locale) {
  return ToQString(ClockCaption(LocalTimeOf(now, locale)));
}

}  // namespace numoria

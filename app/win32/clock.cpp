#include "app/win32/clock.h"

#include "app/win32/wide.h"

namespace numoria::win32 {
namespace {

[[nodiscard]] std::wstring DateText(const SYSTEMTIME& now) {
  wchar_t text[128]{};
  const int length =
      GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, text, 128, nullptr);
  return {text, length > 0 ? static_cast<std::size_t>(length - 1) : 0};
}

[[nodiscard]] std::wstring TimeText(const SYSTEMTIME& now) {
  wchar_t text[128]{};
  const int length = GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &now, nullptr, text, 128);
  return {text, length > 0 ? static_cast<std::size_t>(length - 1) : 0};
}

}  // namespace

std::u16string ClockText(const SYSTEMTIME& now) {
  SYSTEMTIME whole_second = now;
  whole_second.wMilliseconds = 0;
  const std::wstring date = DateText(whole_second);
  if (now.wHour == 0 && now.wMinute == 0 && now.wSecond == 0) return Utf16(date);
  return Utf16(date + L' ' + TimeText(whole_second));
}

void Timer1_Timer(Controls& controls) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  controls.SetCaption(u"Label12", ClockText(now));
}

}  // namespace numoria::win32

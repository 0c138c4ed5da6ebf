// Placeholder until the conversions land.
#include "textnum/textnum.h"
namespace numoria {
std::u16string RuntimeError::description() const { return u""; }
const char* RuntimeError::what() const noexcept { return "run-time error"; }
double NumericValue(std::u16string_view) { return 0; }
std::u16string NumberText(double) { return u""; }
std::u16string IntegerText(std::int16_t) { return u""; }
double StrictNumber(std::u16string_view) { return 0; }
std::int16_t ToInt16(double) { return 0; }
std::int16_t ToInt16(std::u16string_view) { return 0; }
std::int32_t ToInt32(double) { return 0; }
std::int32_t ToInt32(std::u16string_view) { return 0; }
std::u16string Left(std::u16string_view, std::int32_t) { return u""; }
std::u16string Right(std::u16string_view, std::int32_t) { return u""; }
std::u16string Mid(std::u16string_view, std::int32_t, std::int32_t) { return u""; }
std::u16string Mid(std::u16string_view, std::int32_t) { return u""; }
std::int32_t InStr(std::u16string_view, std::u16string_view) { return 0; }
std::int32_t Len(std::u16string_view) { return 0; }
}  // namespace numoria

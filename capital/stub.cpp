// Placeholder until the converter lands.
#include "capital/capital.h"
namespace numoria {
std::u16string CapitalDigit(std::int16_t) { return u""; }
std::u16string CapitalUnit(std::int16_t) { return u""; }
std::u16string CapitalAmount(std::u16string_view) { return u""; }
void Text3_Change(Controls&) {}
}  // namespace numoria

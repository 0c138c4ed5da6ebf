#pragma once

// Texts cross between the core (std::u16string) and Qt (QString) unchanged:
// both are UTF-16 code units.

#include <QString>
#include <string>
#include <string_view>

namespace numoria {

[[nodiscard]] inline QString ToQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

[[nodiscard]] inline std::u16string ToU16String(const QString& text) {
  return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

}  // namespace numoria

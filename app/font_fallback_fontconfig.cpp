#include <fontconfig/fontconfig.h>

#include <QString>
#include <string>

#include "app/font_fallback.h"

namespace numoria {
namespace {

// Family names go into the rule as XML character data.
[[nodiscard]] std::string XmlText(std::u16string_view text) {
  const std::string utf8 = QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()))
                               .toUtf8()
                               .toStdString();
  std::string escaped;
  for (const char c : utf8) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

}  // namespace

bool PreferFallbackFace(std::u16string_view family, std::u16string_view fallback) {
  // Right after the family itself and bound as strongly, so neither the
  // locale's language nor a generic family can put another face before it.
  const std::string rule =
      "<?xml version=\"1.0\"?><fontconfig><match target=\"pattern\">"
      "<test name=\"family\"><string>" + XmlText(family) + "</string></test>"
      "<edit name=\"family\" mode=\"append\" binding=\"same\"><string>" + XmlText(fallback) +
      "</string></edit></match></fontconfig>";
  FcConfig* const config = FcConfigGetCurrent();
  return config != nullptr &&
         FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(rule.c_str()),
                                        FcFalse) == FcTrue;
}

}  // namespace numoria

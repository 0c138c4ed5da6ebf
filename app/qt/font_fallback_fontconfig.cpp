#include <fontconfig/fontconfig.h>

#include <string>

#include "app/qt/font_fallback.h"
#include "app/qt/qt_text.h"

namespace numoria {
namespace {

// A family name as XML character data.
[[nodiscard]] std::string XmlText(std::u16string_view text) {
  std::string escaped;
  for (const char c : ToQString(text).toStdString()) {  // UTF-8
    if (c == '&') {
      escaped += "&amp;";
    } else if (c == '<') {
      escaped += "&lt;";
    } else if (c == '>') {
      escaped += "&gt;";
    } else {
      escaped += c;
    }
  }
  return escaped;
}

}  // namespace

bool PreferFallbackFace(std::u16string_view family, std::u16string_view fallback) {
  // Right after the family itself and bound as strongly, so neither the
  // locale's language nor a generic family can put another face before it.
  std::string rule = R"(<?xml version="1.0"?><fontconfig><match target="pattern">)";
  rule += R"(<test name="family"><string>)" + XmlText(family) + "</string></test>";
  rule += R"(<edit name="family" mode="append" binding="same"><string>)" + XmlText(fallback) +
          "</string></edit>";
  rule += "</match></fontconfig>";
  FcConfig* const config = FcConfigGetCurrent();
  return config != nullptr &&
         FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(rule.c_str()),
                                        FcFalse) == FcTrue;
}

}  // namespace numoria

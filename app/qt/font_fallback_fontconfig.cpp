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

[[nodiscard]] bool HasCacheDirectory(FcConfig* config) {
  FcStrList* const dirs = FcConfigGetCacheDirs(config);
  const bool any = dirs != nullptr && FcStrListNext(dirs) != nullptr;
  if (dirs != nullptr) FcStrListDone(dirs);
  return any;
}

}  // namespace

void LoadFontConfiguration() {
  // The same file (or FONTCONFIG_FILE) and fonts as fontconfig's own start.
  // Where that fails, or leaves no cache to read the fonts from, fontconfig
  // is left to start in its own way, fallbacks included.
  FcConfig* const config = FcConfigCreate();
  if (config == nullptr) return;
  if (FcConfigParseAndLoad(config, nullptr, FcTrue) == FcTrue && HasCacheDirectory(config) &&
      FcConfigBuildFonts(config) == FcTrue && FcConfigSetCurrent(config) == FcTrue) {
    // From fontconfig 2.13.91 on the current configuration holds a reference
    // of its own, which the toolkit releases at exit; before, it took ours.
    if constexpr (FC_VERSION >= 21391) FcConfigDestroy(config);
    return;
  }
  FcConfigDestroy(config);
}

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

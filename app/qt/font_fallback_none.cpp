#include "app/qt/font_fallback.h"

namespace numoria {

// Without fontconfig the platform's own fallback order applies.
bool PreferFallbackFace(std::u16string_view /*family*/, std::u16string_view /*fallback*/) {
  return false;
}

// The platform's fonts are set up when first asked for.
void LoadFontConfiguration() {}

}  // namespace numoria

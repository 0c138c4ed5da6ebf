#pragma once

#include <string_view>

namespace numoria {

// Makes `fallback` the first face the system's font matching offers for a
// character that `family` lacks, ahead of its own preferences (which follow
// the locale and may pick, say, the Japanese cut of a CJK face). Qt asks for
// that list only when such a character first turns up, so a window whose own
// texts are all in `family` never pays for sorting the installed fonts.
// Returns false where the rule could not be added; the system's own order
// then applies.
bool PreferFallbackFace(std::u16string_view family, std::u16string_view fallback);

// Loads the system's font configuration and fonts as the first font lookup
// would, without also parsing every configuration template the system ships
// (fontconfig reads them all for their descriptions only, which costs two
// thirds as much again as the configuration itself and changes no match).
// Must run before anything looks up a font; does nothing where that cannot be
// done.
void LoadFontConfiguration();

}  // namespace numoria

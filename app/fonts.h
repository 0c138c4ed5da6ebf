#pragma once

namespace numoria {

// Names installed faces to stand in for the window's faces where those are
// missing, each of the same kind and able to show Simplified Chinese. Cheap:
// it only records names and does not scan the font database.
void InstallFontSubstitutes();

}  // namespace numoria

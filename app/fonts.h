#pragma once

#include <QStringList>
#include <string_view>

namespace numoria {

// Registers the compiled-in subset fonts and names the faces to stand in for
// the window's faces where those are missing, each of the same kind and able
// to show Simplified Chinese. Cheap: the subsets are small and read in place,
// and no font directory is scanned beyond Qt's own start-up.
void InstallFontSubstitutes();

// The families to ask for a face in: the face itself where it is installed,
// otherwise its stand-ins. Asking for a missing face by name would make Qt
// sort every installed font for a fallback before it tries the stand-ins.
[[nodiscard]] QStringList FamiliesFor(std::u16string_view face);

}  // namespace numoria

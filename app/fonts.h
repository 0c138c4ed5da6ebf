#pragma once

namespace numoria {

// Registers the compiled-in subset fonts and names the faces to stand in for
// the window's faces where those are missing, each of the same kind and able
// to show Simplified Chinese. Cheap: the subsets are small and read in place,
// and no font directory is scanned beyond Qt's own start-up.
void InstallFontSubstitutes();

}  // namespace numoria

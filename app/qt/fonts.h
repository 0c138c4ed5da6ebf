#pragma once

#include <QFont>
#include <QHash>
#include <QString>
#include <QStringList>
#include <string_view>

namespace numoria {

// Registers the compiled-in subset fonts, each completed by the installed
// full face it was cut from for characters it lacks. Cheap: the subsets are
// small and read in place, and no font directory is scanned beyond Qt's own
// start-up. Runs its work once per process.
void InstallEmbeddedFonts();

// Makes the window's fonts. A face is asked for by one family: the face
// itself where it is installed, otherwise the first installed face of the
// same kind that can show Simplified Chinese. One family, not a list: with a
// list, Qt sorts every installed font for fallbacks as soon as the font is
// first used, while with one it waits for a character the family lacks.
// Reads the installed family names once and remembers each face's answer.
class FontMaker {
 public:
  FontMaker();
  [[nodiscard]] QFont Make(std::u16string_view face, int pixel_size, int weight);

 private:
  // The face's family and how to draw it, found once per face.
  [[nodiscard]] QFont FaceFont(std::u16string_view face);
  [[nodiscard]] QString FamilyFor(std::u16string_view face) const;

  QStringList installed_;
  QHash<QString, QFont> resolved_;
};

}  // namespace numoria

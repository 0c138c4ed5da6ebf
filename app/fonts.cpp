#include "app/fonts.h"

#include <QByteArray>
#include <QFont>
#include <QFontDatabase>
#include <QResource>
#include <QStringList>
#include <array>
#include <string_view>

#include "app/qt_text.h"
#include "resources/embedded_fonts.h"

namespace numoria {
namespace {

// A face and the faces to try in its place, best first.
struct Substitute {
  std::u16string_view face;
  std::array<std::u16string_view, 3> by;
};

// The nearest face of the same kind: the Song face 宋体 becomes the serif CJK
// face, the rounded and decorative faces the sans CJK face. Each is first the
// small compiled-in subset holding the window's own texts, then the installed
// full face, which Qt opens only for a character the subset lacks. The keys
// (黑体 bold) carry only Latin digits and signs, which DejaVu Sans Bold draws.
constexpr std::array kSubstitutes{
    Substitute{u"宋体", {kSongFont.family, u"Noto Serif CJK SC", u"Noto Sans CJK SC"}},
    Substitute{u"黑体", {u"DejaVu Sans", u"Noto Sans CJK SC"}},
    Substitute{u"幼圆", {kRoundFont.family, u"Noto Sans CJK SC"}},
    Substitute{u"华文琥珀", {kRoundFont.family, u"Noto Sans CJK SC"}},
    Substitute{u"MS Sans Serif", {u"DejaVu Sans", u"Noto Sans CJK SC"}},
};

// Registers one compiled-in font. The resources are stored uncompressed, so
// Qt reads the font where it lies instead of a copy.
void AddEmbeddedFont(const EmbeddedFont& font) {
  const QResource resource(QString::fromLatin1(font.resource.data(), font.resource.size()));
  if (!resource.isValid()) return;
  const QByteArray data =
      resource.compressionAlgorithm() == QResource::NoCompression
          ? QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), resource.size())
          : resource.uncompressedData();
  // A font Qt cannot read leaves its family unknown, and the installed faces
  // after it in the lists below take its place.
  QFontDatabase::addApplicationFontFromData(data);
}

}  // namespace

void InstallFontSubstitutes() {
  // Qt keeps application fonts for the whole process; one registration serves
  // every window.
  [[maybe_unused]] static const bool registered = [] {
    for (const auto& font : kEmbeddedFonts) AddEmbeddedFont(font);
    return true;
  }();
  for (const auto& s : kSubstitutes) {
    QStringList faces;
    for (const auto face : s.by) {
      if (!face.empty()) faces.append(ToQString(face));
    }
    // Qt skips names already listed, so running this twice is harmless.
    QFont::insertSubstitutions(ToQString(s.face), faces);
  }
}

QStringList FamiliesFor(std::u16string_view face) {
  const QString name = ToQString(face);
  if (QFontDatabase::hasFamily(name)) return {name};
  const QStringList stand_ins = QFont::substitutes(name);
  return stand_ins.isEmpty() ? QStringList{name} : stand_ins;
}

}  // namespace numoria

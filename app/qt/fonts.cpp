#include "app/qt/fonts.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QResource>
#include <algorithm>
#include <array>
#include <string_view>

#include "app/qt/font_fallback.h"
#include "app/qt/qt_text.h"
#include "resources/embedded_fonts.h"

namespace numoria {
namespace {

// A face and the faces to use in its place, best first.
struct StandIns {
  std::u16string_view face;
  std::array<std::u16string_view, 3> by;
};

// The nearest face of the same kind: the Song face 宋体 becomes the serif CJK
// face, the rounded and decorative faces the sans CJK face, each first as the
// small compiled-in subset holding the window's own texts. The keys (黑体
// bold) carry only Latin digits and signs, which DejaVu Sans draws. The
// display's MS Sans Serif becomes a sans of Arial's widths: the widest number
// it shows, "-1.79769313486231E+308", is 214 px wide at 18 px in Liberation
// Sans and fits the display, where DejaVu Sans needs 245 px and cuts its sign.
constexpr std::array kStandIns{
    StandIns{u"宋体", {kSongFont.family, u"Noto Serif CJK SC", u"Noto Sans CJK SC"}},
    StandIns{u"黑体", {u"DejaVu Sans", u"Noto Sans CJK SC"}},
    StandIns{u"幼圆", {kRoundFont.family, u"Noto Sans CJK SC"}},
    StandIns{u"华文琥珀", {kRoundFont.family, u"Noto Sans CJK SC"}},
    StandIns{u"MS Sans Serif", {u"Liberation Sans", u"Arial", u"DejaVu Sans"}},
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
  // A font Qt cannot read leaves its family unknown, and the installed face
  // after it in the stand-ins takes its place.
  if (QFontDatabase::addApplicationFontFromData(data) >= 0) {
    PreferFallbackFace(font.family, font.cut_from);
  }
}

}  // namespace

void InstallEmbeddedFonts() {
  // Qt keeps application fonts for the whole process; one registration serves
  // every window.
  [[maybe_unused]] static const bool registered = [] {
    for (const auto& font : kEmbeddedFonts) AddEmbeddedFont(font);
    return true;
  }();
}

// QFontDatabase::hasFamily would first ask fontconfig to resolve the name as
// an alias, which costs as much as loading a font; the plain list of
// installed families answers the same question for real family names.
FontMaker::FontMaker() : installed_(QFontDatabase::families()) {}

QFont FontMaker::Make(std::u16string_view face, int pixel_size, int weight) {
  QFont font = FaceFont(face);
  font.setPixelSize(pixel_size);
  font.setWeight(static_cast<QFont::Weight>(weight));
  return font;
}

QFont FontMaker::FaceFont(std::u16string_view face) {
  const QString name = ToQString(face);
  if (const auto known = resolved_.constFind(name); known != resolved_.cend()) return *known;
  QFont font;
  font.setFamily(FamilyFor(face));
  // The compiled-in subsets have TrueType outlines without hinting
  // instructions. Hinted, every glyph would go through FreeType's auto-hinter
  // and be loaded again for its advance, which costs more than drawing the
  // rest of the window; the outlines are drawn as they are instead.
  const bool embedded =
      std::any_of(kEmbeddedFonts.begin(), kEmbeddedFonts.end(),
                  [&](const auto& f) { return font.family() == ToQString(f.family); });
  if (embedded) font.setHintingPreference(QFont::PreferNoHinting);
  resolved_.insert(name, font);
  return font;
}

QString FontMaker::FamilyFor(std::u16string_view face) const {
  const QString name = ToQString(face);
  if (installed_.contains(name, Qt::CaseInsensitive)) return name;
  const auto entry = std::find_if(kStandIns.begin(), kStandIns.end(),
                                  [&](const StandIns& s) { return s.face == face; });
  if (entry == kStandIns.end()) return name;
  for (const auto stand_in : entry->by) {
    if (!stand_in.empty() && installed_.contains(ToQString(stand_in), Qt::CaseInsensitive)) {
      return ToQString(stand_in);
    }
  }
  return name;
}

}  // namespace numoria

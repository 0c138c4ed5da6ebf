#include "app/fonts.h"

#include <QFont>
#include <QStringList>
#include <array>
#include <string_view>

#include "app/qt_text.h"

namespace numoria {
namespace {

// A face and the installed faces to try in its place, best first.
struct Substitute {
  std::u16string_view face;
  std::array<std::u16string_view, 2> by;
};

// The nearest installed face of the same kind: the Song face 宋体 becomes the
// serif CJK face, the rounded and decorative faces the sans CJK face. The keys
// (黑体 bold) carry only Latin digits and signs, which DejaVu Sans Bold draws
// without opening a third CJK font collection at start-up.
constexpr std::array kSubstitutes{
    Substitute{u"宋体", {u"Noto Serif CJK SC", u"Noto Sans CJK SC"}},
    Substitute{u"黑体", {u"DejaVu Sans", u"Noto Sans CJK SC"}},
    Substitute{u"幼圆", {u"Noto Sans CJK SC"}},
    Substitute{u"华文琥珀", {u"Noto Sans CJK SC"}},
    Substitute{u"MS Sans Serif", {u"DejaVu Sans", u"Noto Sans CJK SC"}},
};

}  // namespace

void InstallFontSubstitutes() {
  for (const auto& s : kSubstitutes) {
    QStringList faces;
    for (const auto face : s.by) {
      if (!face.empty()) faces.append(ToQString(face));
    }
    // Qt skips names already listed, so running this twice is harmless.
    QFont::insertSubstitutions(ToQString(s.face), faces);
  }
}

}  // namespace numoria

// Which installed face draws a character of the window's faces: the window's
// own texts come from the compiled-in subsets, anything else a user types
// from the full face of the same kind.

#include <QFont>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>

#include "app/fonts.h"
#include "app/qt_text.h"
#include "tests/app/gui_test.h"

namespace numoria::testing {
namespace {

[[nodiscard]] QString FaceDrawing(const QString& face, const QString& text) {
  QFont font(face);
  font.setPixelSize(12);
  QTextLayout layout(text, font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  const QList<QGlyphRun> runs = layout.glyphRuns();
  return runs.size() == 1 ? runs.front().rawFont().familyName() : QStringLiteral("(split)");
}

class FontsTest : public GuiTest {};

TEST_F(FontsTest, SubsetsFirstThenTheFullFaceOfTheSameKind) {
  InstallFontSubstitutes();
  struct Case {
    const char16_t* face;
    const char16_t* text;
    const char16_t* drawn_by;
  };
  // clang-format off
  const Case kCases[] = {
      {u"宋体", u"计算结果为", u"Numoria Song"},
      {u"宋体", u"壹仟零壹元", u"Numoria Song"},
      {u"宋体", u"龘", u"Noto Serif CJK SC"},  // not in the subset: the serif face
      {u"幼圆", u"现在是", u"Numoria Round"},
      {u"幼圆", u"鑫", u"Noto Sans CJK SC"},
  };
  // clang-format on
  for (const Case& c : kCases) {
    SCOPED_TRACE(QString::fromUtf16(c.face).toStdString() + " " +
                 QString::fromUtf16(c.text).toStdString());
    const QString drawn_by = FaceDrawing(QString::fromUtf16(c.face), QString::fromUtf16(c.text));
    EXPECT_EQ(drawn_by.compare(QString::fromUtf16(c.drawn_by), Qt::CaseInsensitive), 0)
        << drawn_by.toStdString();
  }
}

}  // namespace
}  // namespace numoria::testing

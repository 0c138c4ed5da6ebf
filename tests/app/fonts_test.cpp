// Which installed face draws a character of the window's faces: the window's
// own texts come from the compiled-in subsets, anything else a user types
// from the full face of the same kind.

#include <QFontDatabase>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>

#include "tests/app/gui_test.h"

namespace numoria::testing {
namespace {

using FontsTest = GuiTest;

TEST_F(FontsTest, SubsetsFirstThenTheFullFaceOfTheSameKind) {
  // clang-format off
  const char16_t* const kCases[][3] = {  // control (宋体, 幼圆), text, the face that draws it
      {u"Label2", u"计算结果为", u"Numoria Song"}, {u"Text4", u"壹仟零壹元", u"Numoria Song"},
      {u"Text1", u"龘", u"Noto Serif CJK SC"}, {u"Label11", u"现在是", u"Numoria Round"},
      {u"Label10", u"鑫", u"Noto Sans CJK SC"}};
  // clang-format on
  for (const auto& [control, text, drawn_by] : kCases) {
    QTextLayout layout(QString::fromUtf16(text), Find(control)->font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    ASSERT_EQ(runs.size(), 1) << QString::fromUtf16(text).toStdString();
    EXPECT_EQ(runs.front().rawFont().familyName().toLower(), QString::fromUtf16(drawn_by).toLower())
        << QString::fromUtf16(text).toStdString();
  }
}

// Counted as Latin faces, the subsets draw the window's Latin and Chinese
// texts with one font engine each instead of one for every script.
TEST_F(FontsTest, SubsetsCountAsLatinFaces) {
  for (const auto* family : {"Numoria Song", "Numoria Round"}) {
    EXPECT_TRUE(
        QFontDatabase::writingSystems(QString::fromLatin1(family)).contains(QFontDatabase::Latin))
        << family;
  }
}

}  // namespace
}  // namespace numoria::testing

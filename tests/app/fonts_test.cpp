// The window's faces: which installed face draws a character (the window's
// own texts come from the compiled-in subsets, anything else a user types
// from the full face of the same kind), and what their measures leave whole.
// Registered to run at the scale factors 1, 1.25, 1.5 and 2.

#include <QFontDatabase>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>
#include <cmath>
#include <string>

#include "app/qt/tail_label.h"
#include "app/qt/widget_controls.h"
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
    SCOPED_TRACE(QString::fromUtf16(text).toStdString());
    QTextLayout layout(QString::fromUtf16(text), Find(control)->font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    ASSERT_EQ(runs.size(), 1);
    EXPECT_EQ(runs.front().rawFont().familyName().toLower(), QString::fromUtf16(drawn_by).toLower());
  }
  // Counted as Latin faces, the subsets draw the window's Latin and Chinese
  // texts with one font engine each instead of one for every script.
  for (const auto* family : {"Numoria Song", "Numoria Round"}) {
    EXPECT_TRUE(QFontDatabase::writingSystems(family).contains(QFontDatabase::Latin)) << family;
  }
  // The window font's 12 px Chinese and 6 px Latin characters and 12 px line
  // give the auto-size labels their described size.
  for (const char16_t* name : {u"Label2", u"Label1(1)"}) {
    EXPECT_EQ(Find<QLabel>(name)->sizeHint(), Find<QLabel>(name)->size());
  }
}

// The display's widest numbers fit inside its border and padding: the
// leftmost ink lies right of where the text area would cut it.
TEST_F(FontsTest, DisplayShowsTheWidestNumbersWhole) {
  auto* display = Find<TailLabel>(u"Display");
  const QImage empty = display->grab().toImage();
  const QRect area = display->TextArea();
  for (const char16_t* text : {u"-1.79769313486231E+308", u"-1.23456789012346E+100",
                               u"-8.88888888888888E+288", u"-4.44444444444444E-244"}) {
    SCOPED_TRACE(QString::fromUtf16(text).toStdString());
    SetCaption(u"Display", text);
    EXPECT_LE(display->fontMetrics().horizontalAdvance(QString::fromUtf16(text)), area.width());
    EXPECT_GT(Changed(display->grab().toImage(), empty).left(), area.left() * empty.devicePixelRatio());
  }
}

// The 18 px text boxes hold the window font's line, and the ink of texts
// with descenders, parentheses and Chinese characters (one from a full face
// that completes the compiled-in one) stays off the frame and off the last
// row, where the box clips its text.
TEST_F(FontsTest, TextBoxesShowTheirTextWhole) {
  Find(u"Command1")->setFocus();  // no focus frame or cursor in the boxes
  for (const char16_t* box_name : {u"Text2", u"Text3", u"Text4"}) {
    auto* box = Find<QLineEdit>(box_name);
    const QRect inner = LineArea(*box);
    EXPECT_EQ(box->fontMetrics().height(), 12);
    EXPECT_LE(box->fontMetrics().ascent() + box->fontMetrics().descent(), inner.height());
    box->clear();
    const QImage empty = box->grab().toImage();
    const qreal scale = empty.devicePixelRatio();
    for (const char16_t* text : {u"(12)gy元", u"贰拾壹亿肆仟柒佰", u"|Qj年龘"}) {
      SCOPED_TRACE(QString::fromUtf16(box_name).toStdString() + " " +
                   QString::fromUtf16(text).toStdString() + " at " + std::to_string(scale));
      box->setText(QString::fromUtf16(text));
      box->setCursorPosition(0);
      const QRect ink = Changed(box->grab().toImage(), empty);
      EXPECT_GE(ink.top(), static_cast<int>(inner.top() * scale));
      EXPECT_LT(ink.bottom(), static_cast<int>(std::ceil((inner.bottom() + 1) * scale)) - 1);
    }
  }
}

}  // namespace
}  // namespace numoria::testing

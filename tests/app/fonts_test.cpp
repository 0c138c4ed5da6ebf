// The window's faces: which installed face draws a character (the window's
// own texts come from the compiled-in subsets, anything else a user types
// from the full face of the same kind), and what their measures leave whole.
// Registered to run at the scale factors 1, 1.25, 1.5 and 2.

#include <QFontDatabase>
#include <QGlyphRun>
#include <QRawFont>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <string>

#include "app/tail_label.h"
#include "app/widget_controls.h"
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

// The window font's 12 px Chinese characters, 6 px Latin characters and
// parentheses and 12 px line give the auto-size labels their described size.
TEST_F(FontsTest, AutoSizeLabelsMeasureTheirCaptionsInTheWindowFont) {
  for (const char16_t* name : {u"Label2", u"Label1(1)"}) {
    const auto* label = Find<QLabel>(name);
    EXPECT_EQ(label->sizeHint(), label->size()) << QString::fromUtf16(name).toStdString();
  }
}

// The display's widest numbers fit inside its border and padding: the
// leftmost ink lies right of where the text area would cut it.
TEST_F(FontsTest, DisplayShowsTheWidestNumbersWhole) {
  auto* display = Find<TailLabel>(u"Display");
  const QImage empty = display->grab().toImage();
  const qreal scale = empty.devicePixelRatio();
  const QRect area = display->TextArea();
  for (const char16_t* text : {u"-1.79769313486231E+308", u"-1.23456789012346E+100",
                               u"-8.88888888888888E+288", u"-4.44444444444444E-244"}) {
    SCOPED_TRACE(QString::fromUtf16(text).toStdString());
    window_->controls().SetCaption(u"Display", text);
    EXPECT_LE(display->fontMetrics().horizontalAdvance(QString::fromUtf16(text)), area.width());
    const QImage shown = display->grab().toImage();
    int left = shown.width();
    for (int y = 0; y < shown.height(); ++y) {
      for (int x = 0; x < left; ++x) {
        if (shown.pixel(x, y) != empty.pixel(x, y)) left = x;
      }
    }
    EXPECT_GT(left, area.left() * scale);
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
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
    const QRect inner = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    const QFontMetrics metrics = box->fontMetrics();
    EXPECT_EQ(metrics.height(), 12);
    EXPECT_LE(metrics.ascent() + metrics.descent(), inner.height());
    box->clear();
    const QImage empty = box->grab().toImage();
    const qreal scale = empty.devicePixelRatio();
    for (const char16_t* text : {u"(12)gy元", u"贰拾壹亿肆仟柒佰", u"|Qj年龘"}) {
      SCOPED_TRACE(QString::fromUtf16(box_name).toStdString() + " " +
                   QString::fromUtf16(text).toStdString() + " at " + std::to_string(scale));
      box->setText(QString::fromUtf16(text));
      box->setCursorPosition(0);
      const QImage shown = box->grab().toImage();
      int top = shown.height();
      int bottom = -1;
      for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
          if (shown.pixel(x, y) == empty.pixel(x, y)) continue;
          top = std::min(top, y);
          bottom = std::max(bottom, y);
        }
      }
      EXPECT_GE(top, static_cast<int>(inner.top() * scale));
      EXPECT_LT(bottom, static_cast<int>(std::ceil((inner.bottom() + 1) * scale)) - 1);
    }
  }
}

}  // namespace
}  // namespace numoria::testing

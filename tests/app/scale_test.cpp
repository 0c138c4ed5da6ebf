// What the window shows at start fits its controls at the scale factor the
// program runs at (QT_SCALE_FACTOR; registered at 1, 1.25, 1.5, 1.75 and 2).

#include <QGroupBox>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <cmath>
#include <string>

#include "app/qt/tail_label.h"
#include "tests/app/gui_test.h"

namespace numoria::testing {
namespace {

using ScaleTest = GuiTest;

[[nodiscard]] double ScaleFactor() {
  const QByteArray set = qgetenv("QT_SCALE_FACTOR");
  return set.isEmpty() ? 1.0 : set.toDouble();
}

// The lines a text takes in a font (with the faces that complete it), laid
// out at width, or on one line if width is 0: the widest line's advance and
// the lines' total height.
[[nodiscard]] QSizeF LaidOut(const QString& text, const QFont& font, qreal width = 0) {
  QTextLayout layout(text, font);
  QTextOption option;
  option.setWrapMode(width > 0 ? QTextOption::WordWrap : QTextOption::NoWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  QSizeF size(0, 0);
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width > 0 ? width : 1e6);
    size = {std::max(size.width(), line.naturalTextWidth()), size.height() + line.height()};
  }
  layout.endLayout();
  return size;
}

// Where each kind of control draws its text.
[[nodiscard]] QRect TextRect(QWidget* widget) {
  if (const auto* display = dynamic_cast<TailLabel*>(widget)) return display->TextArea();
  if (auto* button = qobject_cast<QPushButton*>(widget)) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
  }
  if (auto* box = qobject_cast<QLineEdit*>(widget)) return LineArea(*box);
  return widget->contentsRect();
}

// A label's caption fits when its lines, broken as the label breaks them
// (a word-wrapped label at its width, any other on one line), are no wider
// and together no higher than where the label draws. A button's caption and
// a text box's line (empty at start) likewise.
void ExpectShownWhole(QWidget* widget) {
  const auto* label = qobject_cast<QLabel*>(widget);
  const auto* button = qobject_cast<QPushButton*>(widget);
  if (label == nullptr && button == nullptr && qobject_cast<QLineEdit*>(widget) == nullptr) return;
  const QString text = label != nullptr ? label->text() : button != nullptr ? button->text() : "";
  const QRect area = TextRect(widget);
  const bool wraps = label != nullptr && label->wordWrap();
  const QSizeF size = LaidOut(text, widget->font(), wraps ? area.width() : 0);
  SCOPED_TRACE(widget->objectName().toStdString() + " \"" + text.toStdString() + "\"");
  EXPECT_LE(size.width(), area.width());
  EXPECT_LE(size.height(), area.height());
}

// A frame's caption is set into its top edge: it shows whole when what it
// paints over the edge stays inside the frame, clear of the right edge,
// as wide as the caption's text, and off every control in the frame.
void ExpectCaptionWhole(QGroupBox* frame) {
  SCOPED_TRACE(frame->objectName().toStdString());
  const QString caption = frame->title();
  const QImage with = frame->grab().toImage();
  frame->setTitle({});
  const QImage without = frame->grab().toImage();
  frame->setTitle(caption);
  const qreal scale = with.devicePixelRatio();
  const QRect painted = Changed(with, without);
  const QRect logical(QPoint(std::floor(painted.left() / scale), std::floor(painted.top() / scale)),
                      QPoint(std::ceil((painted.right() + 1) / scale) - 1,
                             std::ceil((painted.bottom() + 1) / scale) - 1));
  ASSERT_FALSE(painted.isEmpty());
  EXPECT_LE(logical.right(), frame->width() - 3);
  EXPECT_GE(logical.width(), LaidOut(caption, frame->font()).width());
  for (const QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    EXPECT_FALSE(child->geometry().intersects(logical)) << child->objectName().toStdString();
  }
}

TEST_F(ScaleTest, WindowGrabsAtTheScaledClientArea) {
  const double scale = ScaleFactor();
  EXPECT_DOUBLE_EQ(window_->devicePixelRatio(), scale);
  // Whole device pixels: a half rounds up, a quarter (407 at 1.75) down.
  EXPECT_EQ(window_->grab().size(), QSize(std::lround(634 * scale), std::lround(407 * scale)));
}

// The clock's first text too, in the locale the test runs in.
TEST_F(ScaleTest, EveryCaptionAndTextFitsItsControl) {
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Shown(u"Label12").isEmpty(); }, 2000));
  for (QWidget* widget : window_->findChildren<QWidget*>()) {
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
      ExpectCaptionWhole(frame);
    } else {
      ExpectShownWhole(widget);
    }
  }
}

}  // namespace
}  // namespace numoria::testing

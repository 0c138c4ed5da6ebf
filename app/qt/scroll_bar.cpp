#include "app/qt/scroll_bar.h"

#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace numoria {

void ScrollBar::keyPressEvent(QKeyEvent* event) {
  const bool left = event->key() == Qt::Key_Left;
  const bool right = event->key() == Qt::Key_Right;
  if (orientation() != Qt::Horizontal || !(left || right)) {
    QScrollBar::keyPressEvent(event);
    return;
  }
  // Towards the maximum is to the right, unless the layout runs right to left.
  const bool towards_maximum = right != isRightToLeft();
  triggerAction(towards_maximum ? SliderSingleStepAdd : SliderSingleStepSub);
  event->accept();
}

void ScrollBar::paintEvent(QPaintEvent* event) {
  QScrollBar::paintEvent(event);
  if (!hasFocus()) return;
  // Shown however the focus came, by key or by click: the arrow keys act on
  // the bar either way. The style's focus frame is faint on a bar (Fusion's
  // is a light tint), so the bar's edge is also drawn in the highlight colour,
  // as the style marks a focused text box.
  QStylePainter painter(this);
  QStyleOptionFocusRect focus;
  focus.initFrom(this);
  focus.state |= QStyle::State_KeyboardFocusChange;
  focus.backgroundColor = palette().color(QPalette::Button);
  painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  painter.setPen(palette().color(QPalette::Highlight));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace numoria

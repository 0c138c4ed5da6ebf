#include "app/scroll_bar.h"

#include <QKeyEvent>

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

}  // namespace numoria

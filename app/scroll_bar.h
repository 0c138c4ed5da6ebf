#pragma once

#include <QScrollBar>

namespace numoria {

// A scroll bar on which the Right arrow key moves the thumb to the right and
// the Left arrow key to the left. Qt's horizontal scroll bar turns these two
// round (its controls are inverted so that Up and Page Up decrease the value),
// while every other key and the mouse already act as on any desktop.
class ScrollBar : public QScrollBar {
 public:
  using QScrollBar::QScrollBar;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace numoria

#pragma once

#include <QScrollBar>

namespace numoria {

// A scroll bar on which the Right arrow key moves the thumb to the right and
// the Left arrow key to the left. Qt's horizontal scroll bar turns these two
// round (its controls are inverted so that Up and Page Up decrease the value),
// while every other key and the mouse already act as on any desktop. While it
// has the keyboard focus it shows it with a frame around the bar, as the
// style's text boxes do; Qt's own bar looks the same either way.
class ScrollBar : public QScrollBar {
 public:
  using QScrollBar::QScrollBar;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace numoria

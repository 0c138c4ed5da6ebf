#include "app/qt/push_button.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace numoria {

void PushButton::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  // The Enter of the number pad carries the keypad modifier; any other
  // modifier leaves the key to Qt.
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (enter && plain) {
    click();
    return;
  }
  QPushButton::keyPressEvent(event);
}

void PushButton::paintEvent(QPaintEvent* event) {
  if (!focus_always_shown_ || !hasFocus()) return QPushButton::paintEvent(event);
  // As QPushButton paints, with the focus marked as the keyboard's.
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.state |= QStyle::State_KeyboardFocusChange;
  painter.drawControl(QStyle::CE_PushButton, option);
}

}  // namespace numoria

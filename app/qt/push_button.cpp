#include "app/qt/push_button.h"

#include <QKeyEvent>

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

}  // namespace numoria

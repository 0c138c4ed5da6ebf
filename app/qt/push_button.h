#pragma once

#include <QPushButton>

namespace numoria {

// A push button that Enter presses while it has the focus, like Space. Qt's
// own button reacts to Enter only as a dialog's (auto-)default button, and no
// button of this window is one.
class PushButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace numoria

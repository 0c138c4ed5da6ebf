#pragma once

#include <QPushButton>

namespace numoria {

// A push button that Enter presses while it has the focus, like Space. Qt's
// own button reacts to Enter only as a dialog's (auto-)default button, and no
// button of this window is one.
class PushButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

  // Shows the focus however the button got it. The style draws a button's
  // focus only after the keyboard moved it, not after a click.
  void ShowFocusAlways() { focus_always_shown_ = true; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool focus_always_shown_ = false;
};

}  // namespace numoria

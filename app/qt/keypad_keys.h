#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <optional>

#include "app/control.h"

class QAbstractButton;
class QKeyEvent;
class QWidget;

namespace numoria {

class WindowModel;

// The keypad from the keyboard: while a button of Frame1 has the focus, a
// digit, ".", an operator, "=" or Enter, Escape or Delete, "r" or F9 presses
// its keypad button as a click does (keypad/key_map.h), and Ctrl+C copies the
// Display's text. Every other widget keeps its keys. A keypad button shows
// its focus however it got it, a click included, so the user sees where
// typed keys go.
class KeypadKeys : public QObject {
  Q_OBJECT

 public:
  // form holds Frame1 and its controls.
  KeypadKeys(QWidget& form, WindowModel& model);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The button the key presses or the action it triggers while focused has
  // the focus, or none.
  [[nodiscard]] static std::optional<Control> TargetOf(const QObject& focused,
                                                      const QKeyEvent& key);
  // Presses button at once, so that keys typed faster than the button's
  // pressed look lasts are neither lost nor reordered, and shows it pressed
  // for a moment.
  void Press(QAbstractButton& button);
  void Release();

  QWidget& form_;
  WindowModel& model_;
  QPointer<QAbstractButton> shown_pressed_;
  QTimer release_;
};

}  // namespace numoria

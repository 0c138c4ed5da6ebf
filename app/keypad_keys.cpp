#include "app/keypad_keys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QWidget>

#include "app/push_button.h"
#include "app/qt_text.h"
#include "keypad/key_map.h"

namespace numoria {
namespace {

// As long as QAbstractButton::animateClick shows a button pressed.
constexpr int kShownPressedMs = 100;

[[nodiscard]] NamedKey NamedKeyOf(int key) {
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return NamedKey::kEnter;
    case Qt::Key_Escape:
      return NamedKey::kEscape;
    case Qt::Key_Delete:
      return NamedKey::kDelete;
    case Qt::Key_F9:
      return NamedKey::kF9;
    default:
      return NamedKey::kNone;
  }
}

}  // namespace

KeypadKeys::KeypadKeys(QWidget& form)
    : QObject(&form), form_(form), display_(form.findChild<QLabel*>(QStringLiteral("Display"))) {
  release_.setSingleShot(true);
  release_.setInterval(kShownPressedMs);
  connect(&release_, &QTimer::timeout, this, &KeypadKeys::Release);
  if (auto* frame = form.findChild<QWidget*>(QStringLiteral("Frame1"))) {
    for (QAbstractButton* button : frame->findChildren<QAbstractButton*>()) {
      button->installEventFilter(this);
      if (auto* push = dynamic_cast<PushButton*>(button)) push->ShowFocusAlways();
    }
  }
}

QAbstractButton* KeypadKeys::ButtonFor(const QKeyEvent& key) const {
  // Shift types "+", "*" and "R"; the keypad modifier marks the number pad.
  // A key held with Ctrl, Alt or Meta is a shortcut, not a keypad key.
  const Qt::KeyboardModifiers modifiers = key.modifiers();
  if ((modifiers & ~(Qt::ShiftModifier | Qt::KeypadModifier)) != Qt::NoModifier) return nullptr;
  const NamedKey named = NamedKeyOf(key.key());
  const QString text = key.text();
  const char16_t typed = text.size() == 1 ? text.front().unicode() : char16_t{0};
  const std::u16string_view control =
      KeypadControlForKey(typed, named, (modifiers & Qt::KeypadModifier) != 0);
  if (control.empty()) return nullptr;
  return form_.findChild<QAbstractButton*>(ToQString(control));
}

bool KeypadKeys::eventFilter(QObject* /*watched*/, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  const bool copy = key->matches(QKeySequence::Copy);
  QAbstractButton* button = copy ? nullptr : ButtonFor(*key);
  if (!copy && button == nullptr) return false;
  if (type == QEvent::ShortcutOverride) {
    // The key is the keypad's, whatever shortcut the window might give it.
    event->accept();
    return true;
  }
  if (copy) {
    if (display_ != nullptr) QApplication::clipboard()->setText(display_->text());
  } else {
    Press(*button);
  }
  return true;
}

void KeypadKeys::Press(QAbstractButton& button) {
  if (shown_pressed_ != nullptr && shown_pressed_ != &button) shown_pressed_->setDown(false);
  button.click();
  button.setDown(true);
  shown_pressed_ = &button;
  release_.start();
}

void KeypadKeys::Release() {
  if (shown_pressed_ != nullptr) shown_pressed_->setDown(false);
  shown_pressed_ = nullptr;
}

}  // namespace numoria

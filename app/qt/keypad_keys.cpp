#include "app/qt/keypad_keys.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QWidget>

#include "app/qt/push_button.h"
#include "app/qt/qt_text.h"
#include "app/window_description.h"
#include "app/window_model.h"

namespace numoria {
namespace {

// As long as QAbstractButton::animateClick shows a button pressed.
constexpr int kShownPressedMs = 100;

using window::ControlNamed;

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

KeypadKeys::KeypadKeys(QWidget& form, WindowModel& model)
    : QObject(&form), form_(form), model_(model) {
  release_.setSingleShot(true);
  release_.setInterval(kShownPressedMs);
  connect(&release_, &QTimer::timeout, this, &KeypadKeys::Release);
  for (const KeypadKeyInfo& key : kKeypadKeys) {
    auto* button = form.findChild<QAbstractButton*>(ToQString(window::Describe(key.button).name));
    if (button == nullptr) continue;
    button->installEventFilter(this);
    if (auto* push = dynamic_cast<PushButton*>(button)) push->ShowFocusAlways();
  }
}

std::optional<Control> KeypadKeys::TargetOf(const QObject& focused, const QKeyEvent& key) {
  const std::optional<Control> control = ControlNamed(ToU16String(focused.objectName()));
  if (!control) return std::nullopt;
  // Shift types "+", "*" and "R"; the keypad modifier marks the number pad.
  const Qt::KeyboardModifiers modifiers = key.modifiers();
  const QString text = key.text();
  KeyStroke stroke;
  stroke.typed = text.size() == 1 ? text.front().unicode() : char16_t{0};
  stroke.named = NamedKeyOf(key.key());
  stroke.number_pad = (modifiers & Qt::KeypadModifier) != 0;
  stroke.command = (modifiers & ~(Qt::ShiftModifier | Qt::KeypadModifier)) != Qt::NoModifier;
  stroke.copy = key.matches(QKeySequence::Copy);
  return WindowModel::KeyTarget(*control, stroke);
}

bool KeypadKeys::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) return false;
  const std::optional<Control> target = TargetOf(*watched, *static_cast<QKeyEvent*>(event));
  if (!target) return false;
  if (type == QEvent::ShortcutOverride) {
    // The key is the keypad's, whatever shortcut the window might give it.
    event->accept();
    return true;
  }
  const window::ControlDescription& entry = window::Describe(*target);
  if (entry.kind == window::Kind::kAction) {
    model_.Dispatch(*target, Event::kClick);
  } else if (auto* button = form_.findChild<QAbstractButton*>(ToQString(entry.name))) {
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

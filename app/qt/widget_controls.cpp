#include "app/qt/widget_controls.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QLocale>
#include <QEvent>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QTimer>
#include <limits>

#include "app/qt/clock.h"
#include "app/qt/label_wrap.h"
#include "app/qt/qt_text.h"
#include "app/qt/whole_text.h"
#include "app/window_description.h"

namespace numoria {
namespace {

// Keeps a message box from being minimised. A window manager that shows a
// minimise button on every dialog whatever it asks (openbox) minimises the
// window with it, and the modal box would leave the program hidden and
// blocked; the box and its window come straight back instead.
class StaysShown : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* box = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::WindowStateChange && box != nullptr && box->isMinimized()) {
      QTimer::singleShot(0, box, [box] {
        for (QWidget* window : {box->parentWidget(), box}) {
          if (window != nullptr && window->isMinimized()) {
            window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
          }
        }
      });
    }
    return false;
  }
};

}  // namespace

WidgetControls::WidgetControls(QWidget& form) : form_(form) {
  objects_[IndexOf(Control::kForm1)] = &form;
}

QObject* WidgetControls::Find(Control control) const {
  QObject*& object = objects_[IndexOf(control)];
  if (object == nullptr) object = form_.findChild<QObject*>(ToQString(window::Describe(control).name));
  return object;
}

std::u16string WidgetControls::Caption(Control control) const {
  QObject* widget = Find(control);
  if (const auto* label = qobject_cast<QLabel*>(widget)) return ToU16String(label->text());
  if (const auto* button = qobject_cast<QAbstractButton*>(widget)) {
    return ToU16String(button->text());
  }
  if (const auto* frame = qobject_cast<QGroupBox*>(widget)) return ToU16String(frame->title());
  if (widget == &form_) return ToU16String(form_.windowTitle());
  return {};
}

void WidgetControls::SetCaption(Control control, std::u16string_view caption) {
  QObject* widget = Find(control);
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(ToQString(caption));
    const window::ControlDescription& entry = window::Describe(control);
    // adjustSize keeps the top-left corner, so the label grows or shrinks
    // to the right and downwards.
    if (entry.auto_size) label->adjustSize();
    if (entry.shown_whole) ShowWhole(*label);
    if (WrapsCaption(entry)) WrapAtBlanksOnly(*label);
    label->setAccessibleName(ToQString(window::AccessibleName(entry, caption)));
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(ToQString(caption));
  } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
    frame->setTitle(ToQString(caption));
  } else if (widget == &form_) {
    form_.setWindowTitle(ToQString(caption));
  }
}

std::u16string WidgetControls::Text(Control control) const {
  const auto* edit = qobject_cast<QLineEdit*>(Find(control));
  return edit != nullptr ? ToU16String(edit->text()) : std::u16string{};
}

void WidgetControls::SetText(Control control, std::u16string_view text) {
  auto* edit = qobject_cast<QLineEdit*>(Find(control));
  if (edit == nullptr) return;
  edit->setText(ToQString(text));
  // A written text shows from its first character: an amount too long for
  // the box loses its tail, never its head.
  edit->setCursorPosition(0);
}

std::int16_t WidgetControls::Value(Control control) const {
  const auto* bar = qobject_cast<QScrollBar*>(Find(control));
  // The bar's range is set from the description and lies well inside 16 bits.
  return bar != nullptr ? static_cast<std::int16_t>(bar->value()) : std::int16_t{0};
}

void WidgetControls::SetMaxLength(Control control, int max_length) {
  auto* edit = qobject_cast<QLineEdit*>(Find(control));
  if (edit == nullptr) return;
  // 0 means no limit.
  edit->setMaxLength(max_length > 0 ? max_length : std::numeric_limits<int>::max());
}

void WidgetControls::SetFocus(Control control) {
  if (auto* widget = qobject_cast<QWidget*>(Find(control))) widget->setFocus(Qt::OtherFocusReason);
}

void WidgetControls::SetToolTip(Control control, std::u16string_view tip) {
  if (auto* widget = qobject_cast<QWidget*>(Find(control))) widget->setToolTip(ToQString(tip));
}

void WidgetControls::SetEnabled(Control action, bool enabled) {
  if (auto* entry = qobject_cast<QAction*>(Find(action))) entry->setEnabled(enabled);
}

void WidgetControls::SetClipboardText(std::u16string_view text) {
  QApplication::clipboard()->setText(ToQString(text));
}

LocalTime WidgetControls::Now() const {
  return LocalTimeOf(QDateTime::currentDateTime(), QLocale());
}

void WidgetControls::ShowMessage(std::u16string_view text, std::u16string_view caption) {
  QMessageBox box(QMessageBox::NoIcon, ToQString(caption), ToQString(text), QMessageBox::Ok,
                  &form_);
  // A message to read and close: a dialog transient for the window, with no
  // minimise or maximise in its title bar, and a plain button, as message
  // boxes on the classic desktop have.
  box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                     Qt::WindowCloseButtonHint);
  StaysShown stays_shown;
  box.installEventFilter(&stays_shown);
  if (QAbstractButton* ok = box.button(QMessageBox::Ok)) ok->setIcon(QIcon());
  box.exec();
}

}  // namespace numoria

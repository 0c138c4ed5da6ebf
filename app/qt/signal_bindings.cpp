#include "app/qt/signal_bindings.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <utility>

#include "app/qt/text_box.h"
#include "app/qt/widget_controls.h"
#include "app/window_model.h"

namespace numoria {

SignalBindings::SignalBindings(QWidget& form, const WidgetControls& controls, WindowModel& model)
    : form_(form), model_(model) {
  std::vector<std::pair<Control, Event>> connected;
  for (const Binding& row : Bindings()) {
    // Activation is watched below.
    if (row.event == Event::kActivate) continue;
    const std::pair key{row.control, row.event};
    if (std::find(connected.begin(), connected.end(), key) != connected.end()) continue;
    if (Connect(controls.Find(row.control), row.control, row.event)) {
      connected.push_back(key);
    } else {
      unbound_.push_back(row);
    }
  }
  form_.installEventFilter(this);
}

bool SignalBindings::Connect(QObject* target, Control control, Event event) {
  const auto dispatch = [this, control, event] { model_.Dispatch(control, event); };
  switch (event) {
    case Event::kClick:
      if (auto* button = qobject_cast<QAbstractButton*>(target)) {
        connect(button, &QAbstractButton::clicked, this, dispatch);
        return true;
      }
      if (auto* action = qobject_cast<QAction*>(target)) {
        connect(action, &QAction::triggered, this, dispatch);
        return true;
      }
      return false;
    case Event::kChange:
      // A text box reports every change of its text, typed or set.
      if (auto* edit = qobject_cast<QLineEdit*>(target)) {
        connect(edit, &QLineEdit::textChanged, this, dispatch);
        return true;
      }
      if (auto* bar = qobject_cast<QScrollBar*>(target)) {
        connect(bar, &QScrollBar::valueChanged, this, dispatch);
        return true;
      }
      return false;
    case Event::kRefused:
      if (auto* box = qobject_cast<TextBox*>(target)) {
        connect(box, &TextBox::TypingRefused, this, dispatch);
        return true;
      }
      return false;
    case Event::kTimer:
      if (auto* timer = qobject_cast<QTimer*>(target)) {
        connect(timer, &QTimer::timeout, this, dispatch);
        return true;
      }
      return false;
    case Event::kMenu:
      // A label's menu holds its actions (window_builder.cpp); the model
      // sets them up before it opens.
      if (auto* label = qobject_cast<QLabel*>(target)) {
        connect(label, &QWidget::customContextMenuRequested, this,
                [this, label, control](const QPoint& at) {
                  model_.Dispatch(control, Event::kMenu);
                  QMenu menu(label);
                  menu.addActions(label->actions());
                  menu.exec(label->mapToGlobal(at));
                });
        return true;
      }
      return false;
    case Event::kActivate:
      break;
  }
  return false;
}

bool SignalBindings::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &form_) return false;
  if (event->type() == QEvent::WindowDeactivate) {
    // Qt has already made the new window active: another window of this
    // program, or none when the user went to another application. A message
    // box is no window of the program's own.
    model_.Deactivated(QApplication::activeWindow() != nullptr &&
                       QApplication::activeModalWidget() == nullptr);
  } else if (event->type() == QEvent::WindowActivate) {
    model_.Activated();
  }
  return false;
}

}  // namespace numoria

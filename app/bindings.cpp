#include "app/bindings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>
#include <array>
#include <exception>

#include "app/activate.h"
#include "app/clock.h"
#include "app/qt_text.h"
#include "capital/capital.h"
#include "discount/discount.h"
#include "expression/panel.h"

namespace numoria {
namespace {

constexpr std::array kBindings{
    Binding{u"Form1", Event::kActivate,
            [](Handlers& h, std::int16_t) { Form_Activate(h.controls); }},
    Binding{u"Timer1", Event::kTimer, [](Handlers& h, std::int16_t) { Timer1_Timer(h.controls); }},
    Binding{u"Digits", Event::kClick,
            [](Handlers& h, std::int16_t index) { h.keypad.Digits_Click(index); }},
    Binding{u"DotBttn", Event::kClick, [](Handlers& h, std::int16_t) { h.keypad.DotBttn_Click(); }},
    Binding{u"Plus", Event::kClick, [](Handlers& h, std::int16_t) { h.keypad.Plus_Click(); }},
    Binding{u"Minus", Event::kClick, [](Handlers& h, std::int16_t) { h.keypad.Minus_Click(); }},
    Binding{u"Times", Event::kClick, [](Handlers& h, std::int16_t) { h.keypad.Times_Click(); }},
    Binding{u"Div", Event::kClick, [](Handlers& h, std::int16_t) { h.keypad.Div_Click(); }},
    Binding{u"Equals", Event::kClick, [](Handlers& h, std::int16_t) { h.keypad.Equals_Click(); }},
    Binding{u"PlusMinus", Event::kClick,
            [](Handlers& h, std::int16_t) { h.keypad.PlusMinus_Click(); }},
    Binding{u"Over", Event::kClick, [](Handlers& h, std::int16_t) { h.keypad.Over_Click(); }},
    Binding{u"clear", Event::kClick, [](Handlers& h, std::int16_t) { h.keypad.clear_Click(); }},
    Binding{u"Command1", Event::kClick,
            [](Handlers& h, std::int16_t) { Command1_Click(h.controls); }},
    Binding{u"Text3", Event::kChange, [](Handlers& h, std::int16_t) { Text3_Change(h.controls); }},
    Binding{u"HScroll1", Event::kChange,
            [](Handlers& h, std::int16_t) { HScroll1_Change(h.controls); }},
};

// The index of name as a member of the control array control ("Digits(3)"
// of "Digits" is 3), 0 for the plain control, -1 for any other name.
[[nodiscard]] int MemberIndex(const QString& name, const QString& control) {
  if (name == control) return 0;
  if (!name.startsWith(control + u'(') || !name.endsWith(u')')) return -1;
  bool ok = false;
  const int index = QStringView(name).sliced(control.size() + 1).chopped(1).toInt(&ok);
  return ok && index >= 0 ? index : -1;
}

}  // namespace

EventBindings::EventBindings(QWidget& form, Handlers handlers) : form_(form), handlers_(handlers) {
  for (const Binding& binding : kBindings) Bind(binding);
  form_.installEventFilter(this);
}

void EventBindings::Bind(const Binding& binding) {
  const QString control = ToQString(binding.control);
  bool bound = false;
  if (binding.event == Event::kActivate && control == form_.objectName()) {
    on_activate_.push_back(binding.handler);
    bound = true;
  }
  for (QObject* child : form_.findChildren<QObject*>()) {
    const int index = MemberIndex(child->objectName(), control);
    if (index >= 0 && Connect(child, binding, static_cast<std::int16_t>(index))) bound = true;
  }
  if (!bound) unbound_.push_back(binding.control);
}

bool EventBindings::Connect(QObject* target, const Binding& binding, std::int16_t index) {
  const auto run = [this, handler = binding.handler, index] { Run(handler, index); };
  switch (binding.event) {
    case Event::kClick:
      if (auto* button = qobject_cast<QAbstractButton*>(target)) {
        connect(button, &QAbstractButton::clicked, this, run);
        return true;
      }
      return false;
    case Event::kChange:
      // A text box reports every change of its text, typed or set.
      if (auto* edit = qobject_cast<QLineEdit*>(target)) {
        connect(edit, &QLineEdit::textChanged, this, run);
        return true;
      }
      if (auto* bar = qobject_cast<QScrollBar*>(target)) {
        connect(bar, &QScrollBar::valueChanged, this, run);
        return true;
      }
      return false;
    case Event::kTimer:
      if (auto* timer = qobject_cast<QTimer*>(target)) {
        connect(timer, &QTimer::timeout, this, run);
        return true;
      }
      return false;
    case Event::kActivate:
      break;
  }
  return false;
}

void EventBindings::Run(Handler handler, std::int16_t index) {
  try {
    handler(handlers_, index);
  } catch (const std::exception&) {
    // A run-time error that its handler leaves alone ends that handler only;
    // the window stays as the handler left it and goes on running.
  }
}

bool EventBindings::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &form_) return false;
  if (event->type() == QEvent::WindowDeactivate) {
    // Qt has already made the new window active: another window of this
    // program, or none when the user went to another application. A message
    // box is no window of the program's own: closing it leaves the focus
    // where it was.
    passed_to_own_window_ =
        QApplication::activeWindow() != nullptr && QApplication::activeModalWidget() == nullptr;
  } else if (event->type() == QEvent::WindowActivate) {
    // Activate runs when the window becomes the program's active window, not
    // when the user merely comes back from another application.
    const bool run = !activated_before_ || passed_to_own_window_;
    activated_before_ = true;
    passed_to_own_window_ = false;
    if (run) {
      for (const Handler handler : on_activate_) Run(handler, 0);
    }
  }
  return false;
}

}  // namespace numoria

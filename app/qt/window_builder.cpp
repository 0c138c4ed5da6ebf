#include "app/qt/window_builder.h"

#include <QAction>
#include <QApplication>
#include <QHash>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

#include "app/qt/fonts.h"
#include "app/qt/frame.h"
#include "app/qt/label_wrap.h"
#include "app/qt/push_button.h"
#include "app/qt/qt_text.h"
#include "app/qt/scroll_bar.h"
#include "app/qt/tail_label.h"
#include "app/qt/text_box.h"
#include "app/qt/whole_text.h"
#include "app/window_description.h"

namespace numoria {
namespace {

using window::ControlDescription;
using window::Kind;

[[nodiscard]] QColor ColourOf(const window::Colour& colour) {
  switch (colour.source) {
    case window::Colour::Source::kFixed:
      return QColor::fromRgb(colour.rgb);
    case window::Colour::Source::kSystem:
      return QApplication::palette().color(colour.system == window::SystemColour::kHighlightText
                                               ? QPalette::HighlightedText
                                               : QPalette::Button);
    case window::Colour::Source::kInherited:
      break;
  }
  return {};
}

[[nodiscard]] QFont FontOf(const window::Font& font, FontMaker& fonts) {
  return fonts.Make(font.face, window::PixelSize(font.point_tenths), font.weight);
}

[[nodiscard]] QRect PixelRect(const window::Twips& g) {
  return {window::Pixels(g.left), window::Pixels(g.top), window::Pixels(g.width),
          window::Pixels(g.height)};
}

void SetOpaqueBackground(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, colour);
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

[[nodiscard]] QLabel* MakeLabel(const ControlDescription& entry, QWidget* parent) {
  QLabel* label = entry.keeps_tail ? new TailLabel(parent) : new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  if (entry.alignment == window::Alignment::kRight) {
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  label->setText(ToQString(entry.caption));
  if (entry.border == window::Border::kFixedSingle) {
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
  }
  if (const QColor fore = ColourOf(entry.fore); fore.isValid()) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, fore);
    label->setPalette(palette);
  }
  if (!entry.transparent) {
    const QColor back = ColourOf(entry.back);
    SetOpaqueBackground(*label, back.isValid() ? back : QApplication::palette().button().color());
  }
  if (entry.copy != window::CopyRule::kNone) {
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setContextMenuPolicy(Qt::CustomContextMenu);
  }
  // Selecting with the mouse leaves the focus and the Tab order alone.
  label->setFocusPolicy(Qt::NoFocus);
  return label;
}

[[nodiscard]] Frame* MakeFrame(const ControlDescription& entry, QWidget* parent) {
  auto* frame = new Frame(ToQString(entry.caption), parent);
  frame->SetCaptionColour(ColourOf(entry.fore));
  SetOpaqueBackground(*frame, ColourOf(entry.back));
  frame->setFocusPolicy(Qt::NoFocus);
  return frame;
}

[[nodiscard]] PushButton* MakeButton(const ControlDescription& entry, QWidget* parent) {
  auto* button = new PushButton(ToQString(entry.caption), parent);
  // Enter presses a button only while it has the focus (see PushButton).
  button->setAutoDefault(false);
  button->setDefault(false);
  button->setFocusPolicy(Qt::StrongFocus);
  return button;
}

[[nodiscard]] QScrollBar* MakeScrollBar(const ControlDescription& entry, QWidget* parent) {
  auto* bar = new ScrollBar(Qt::Horizontal, parent);
  bar->setRange(entry.range.minimum, entry.range.maximum);
  bar->setSingleStep(entry.range.small_change);
  bar->setPageStep(entry.range.large_change);
  bar->setValue(entry.range.minimum);
  // The value changes only when a change is complete: never while the thumb
  // is dragged, once when it is released.
  bar->setTracking(false);
  bar->setFocusPolicy(Qt::StrongFocus);
  return bar;
}

// A text box takes any length the user types or pastes; QLineEdit's own
// default would cut a paste at 32767 characters. The input boxes store
// full-width characters as ASCII and pastes without invisible edges; the
// converter's output keeps what the user writes into it.
[[nodiscard]] QLineEdit* MakeTextBox(const ControlDescription& entry, QWidget* parent) {
  auto* edit = new TextBox(entry.input, parent);
  edit->setMaxLength(std::numeric_limits<int>::max());
  return edit;
}

[[nodiscard]] QWidget* MakeWidget(const ControlDescription& entry, QWidget* parent) {
  switch (entry.kind) {
    case Kind::kFrame:
      return MakeFrame(entry, parent);
    case Kind::kLabel:
      return MakeLabel(entry, parent);
    case Kind::kTextBox:
      return MakeTextBox(entry, parent);
    case Kind::kButton:
      return MakeButton(entry, parent);
    case Kind::kHScrollBar:
      return MakeScrollBar(entry, parent);
    case Kind::kForm:
    case Kind::kTimer:
    case Kind::kAction:
      break;
  }
  return nullptr;
}

// An action of the window; a shortcut works in each widget the action is
// added to.
void AddAction(const ControlDescription& entry, QWidget& form) {
  auto* action = new QAction(ToQString(entry.caption), &form);
  action->setObjectName(ToQString(entry.name));
  action->setEnabled(entry.enabled);
  if (entry.shortcut.key != 0) {
    Qt::KeyboardModifiers modifiers;
    if (entry.shortcut.ctrl) modifiers |= Qt::ControlModifier;
    if (entry.shortcut.shift) modifiers |= Qt::ShiftModifier;
    action->setShortcut(QKeySequence(QKeyCombination(modifiers, Qt::Key(entry.shortcut.key))));
    action->setShortcutContext(Qt::WidgetShortcut);
  }
}

// Each control's menu entries head its context menu.
void AddMenus(QWidget& form) {
  for (const ControlDescription& entry : window::Description()) {
    if (entry.menu.empty()) continue;
    auto* widget = form.findChild<QWidget*>(ToQString(entry.name));
    for (const Control action : entry.menu) {
      widget->addAction(form.findChild<QAction*>(ToQString(window::Describe(action).name)));
    }
  }
}

void SetUpForm(const ControlDescription& entry, QWidget& form, FontMaker& fonts) {
  form.setObjectName(ToQString(entry.name));
  form.setWindowTitle(ToQString(entry.caption));
  const QFont font = FontOf(entry.font, fonts);
  form.setFont(font);
  // Message boxes and menus are windows of their own and do not inherit the
  // form's font; as on the desktops the window comes from, they are drawn in
  // the same face. Widgets that lay out text before their font is set (a new
  // text box does) then need no second face either.
  QApplication::setFont(font);
  SetOpaqueBackground(form, ColourOf(entry.back));
  form.resize(PixelRect(entry.geometry).size());
}

void AddTimer(const ControlDescription& entry, QWidget& form) {
  auto* timer = new QTimer(&form);
  timer->setObjectName(ToQString(entry.name));
  timer->setInterval(entry.interval_ms);
  timer->start();
}

void ChainTabOrder(const std::vector<std::pair<int, QWidget*>>& by_tab_index) {
  std::vector<QWidget*> chain;
  for (const auto& [index, widget] : by_tab_index) {
    if ((widget->focusPolicy() & Qt::TabFocus) != 0) chain.push_back(widget);
  }
  for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

}  // namespace

void BuildWindow(QWidget& form) {
  QHash<QString, QWidget*> by_name;
  FontMaker fonts;
  std::vector<std::pair<int, QWidget*>> by_tab_index;
  for (const ControlDescription& entry : window::Description()) {
    if (entry.kind == Kind::kForm) {
      SetUpForm(entry, form, fonts);
      by_name.insert(form.objectName(), &form);
      continue;
    }
    if (entry.kind == Kind::kTimer) {
      AddTimer(entry, form);
      continue;
    }
    if (entry.kind == Kind::kAction) {
      AddAction(entry, form);
      continue;
    }
    QWidget* widget = MakeWidget(entry, by_name.value(ToQString(entry.parent), &form));
    widget->setObjectName(ToQString(entry.name));
    widget->setGeometry(PixelRect(entry.geometry));
    if (!entry.font.face.empty()) widget->setFont(FontOf(entry.font, fonts));
    // Ordinary labels break their caption at blanks inside their width, which
    // needs their size and font; an auto-size label keeps it on one line, and
    // so does the display.
    if (WrapsCaption(entry)) WrapAtBlanksOnly(*static_cast<QLabel*>(widget));
    if (const std::u16string_view name = window::AccessibleName(entry, entry.caption);
        !name.empty()) {
      widget->setAccessibleName(ToQString(name));
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget); edit != nullptr && entry.shown_whole) {
      QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] { ShowWhole(*edit); });
    }
    by_name.insert(widget->objectName(), widget);
    if (entry.tab_index != window::kNoTabIndex) by_tab_index.emplace_back(entry.tab_index, widget);
  }
  AddMenus(form);
  std::sort(by_tab_index.begin(), by_tab_index.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  ChainTabOrder(by_tab_index);
}

}  // namespace numoria

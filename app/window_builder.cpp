#include "app/window_builder.h"

#include <QApplication>
#include <QHash>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <utility>
#include <vector>

#include "app/frame.h"
#include "app/push_button.h"
#include "app/qt_text.h"
#include "app/scroll_bar.h"
#include "app/tail_label.h"
#include "app/window_description.h"

namespace numoria {
namespace {

using window::ControlSpec;
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

[[nodiscard]] QFont FontOf(const window::Font& font) {
  QFont result(ToQString(font.face));
  result.setPixelSize(window::PixelSize(font.point_tenths));
  result.setWeight(static_cast<QFont::Weight>(font.weight));
  return result;
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

[[nodiscard]] QLabel* MakeLabel(const ControlSpec& spec, QWidget* parent) {
  const bool right = spec.alignment == window::Alignment::kRight;
  QLabel* label = right ? new TailLabel(parent) : new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setText(ToQString(spec.caption));
  // Ordinary labels break their text at word boundaries inside their width;
  // an auto-size label keeps it on one line, and so does the display.
  label->setWordWrap(!spec.auto_size && !right);
  if (spec.border == window::Border::kFixedSingle) {
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
  }
  if (const QColor fore = ColourOf(spec.fore); fore.isValid()) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, fore);
    label->setPalette(palette);
  }
  if (!spec.transparent) {
    const QColor back = ColourOf(spec.back);
    SetOpaqueBackground(*label, back.isValid() ? back : QApplication::palette().button().color());
  }
  label->setFocusPolicy(Qt::NoFocus);
  return label;
}

[[nodiscard]] Frame* MakeFrame(const ControlSpec& spec, QWidget* parent) {
  auto* frame = new Frame(ToQString(spec.caption), parent);
  frame->SetCaptionColour(ColourOf(spec.fore));
  SetOpaqueBackground(*frame, ColourOf(spec.back));
  frame->setFocusPolicy(Qt::NoFocus);
  return frame;
}

[[nodiscard]] PushButton* MakeButton(const ControlSpec& spec, QWidget* parent) {
  auto* button = new PushButton(ToQString(spec.caption), parent);
  // Enter presses a button only while it has the focus (see PushButton).
  button->setAutoDefault(false);
  button->setDefault(false);
  button->setFocusPolicy(Qt::StrongFocus);
  return button;
}

[[nodiscard]] QScrollBar* MakeScrollBar(const ControlSpec& spec, QWidget* parent) {
  auto* bar = new ScrollBar(Qt::Horizontal, parent);
  bar->setRange(spec.range.minimum, spec.range.maximum);
  bar->setSingleStep(spec.range.small_change);
  bar->setPageStep(spec.range.large_change);
  bar->setValue(spec.range.minimum);
  // The value changes only when a change is complete: never while the thumb
  // is dragged, once when it is released.
  bar->setTracking(false);
  bar->setFocusPolicy(Qt::StrongFocus);
  return bar;
}

[[nodiscard]] QWidget* MakeWidget(const ControlSpec& spec, QWidget* parent) {
  switch (spec.kind) {
    case Kind::kFrame:
      return MakeFrame(spec, parent);
    case Kind::kLabel:
      return MakeLabel(spec, parent);
    case Kind::kTextBox:
      return new QLineEdit(parent);
    case Kind::kButton:
      return MakeButton(spec, parent);
    case Kind::kHScrollBar:
      return MakeScrollBar(spec, parent);
    case Kind::kForm:
    case Kind::kTimer:
      break;
  }
  return nullptr;
}

void SetUpForm(const ControlSpec& spec, QWidget& form) {
  form.setObjectName(ToQString(spec.name));
  form.setWindowTitle(ToQString(spec.caption));
  form.setFont(FontOf(spec.font));
  SetOpaqueBackground(form, ColourOf(spec.back));
  form.resize(PixelRect(spec.geometry).size());
}

void AddTimer(const ControlSpec& spec, QWidget& form) {
  auto* timer = new QTimer(&form);
  timer->setObjectName(ToQString(spec.name));
  timer->setInterval(spec.interval_ms);
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
  std::vector<std::pair<int, QWidget*>> by_tab_index;
  for (const ControlSpec& spec : window::Description()) {
    if (spec.kind == Kind::kForm) {
      SetUpForm(spec, form);
      by_name.insert(form.objectName(), &form);
      continue;
    }
    if (spec.kind == Kind::kTimer) {
      AddTimer(spec, form);
      continue;
    }
    QWidget* widget = MakeWidget(spec, by_name.value(ToQString(spec.parent), &form));
    widget->setObjectName(ToQString(spec.name));
    widget->setGeometry(PixelRect(spec.geometry));
    if (!spec.font.face.empty()) widget->setFont(FontOf(spec.font));
    if (!spec.accessible_name.empty()) widget->setAccessibleName(ToQString(spec.accessible_name));
    by_name.insert(widget->objectName(), widget);
    if (spec.tab_index != window::kNoTabIndex) by_tab_index.emplace_back(spec.tab_index, widget);
  }
  std::sort(by_tab_index.begin(), by_tab_index.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  ChainTabOrder(by_tab_index);
}

}  // namespace numoria

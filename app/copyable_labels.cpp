#include "app/copyable_labels.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QWidget>

#include "app/qt_text.h"
#include "discount/current_price_text.h"
#include "expression/result_text.h"

namespace numoria {
namespace {

[[nodiscard]] std::u16string WholeText(std::u16string_view caption) {
  return std::u16string(caption);
}

}  // namespace

CopyableLabels::CopyableLabels(QWidget& form) : QObject(&form) {
  Add(form, QStringLiteral("Display"), &WholeText);
  Add(form, QStringLiteral("Label2"), &ResultNumber);
  Add(form, QStringLiteral("Labxj"), &CurrentPriceNumber);
}

void CopyableLabels::Add(QWidget& form, const QString& name, NumberRule rule) {
  auto* label = form.findChild<QLabel*>(name);
  if (label == nullptr) return;
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  // Selecting with the mouse leaves the focus and the Tab order alone.
  label->setFocusPolicy(Qt::NoFocus);
  auto* copy = new QAction(QStringLiteral("复制"), label);
  copy->setObjectName(QStringLiteral("Copy") + name);
  connect(copy, &QAction::triggered, label, [label, rule] {
    const QString number = ToQString(rule(ToU16String(label->text())));
    if (!number.isEmpty()) QApplication::clipboard()->setText(number);
  });
  label->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(label, &QWidget::customContextMenuRequested, this,
          [this, label, copy, rule](const QPoint& at) { ShowMenu(*label, *copy, rule, at); });
}

void CopyableLabels::ShowMenu(QLabel& label, QAction& copy, NumberRule rule, const QPoint& at) {
  copy.setEnabled(!rule(ToU16String(label.text())).empty());
  QMenu menu(&label);
  menu.addAction(&copy);
  menu.exec(label.mapToGlobal(at));
}

}  // namespace numoria

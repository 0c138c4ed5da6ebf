#include "app/cheque_actions.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QWidget>

#include "app/qt_text.h"
#include "app/text_box.h"
#include "capital/capital.h"

namespace numoria {
namespace {

[[nodiscard]] QAction* MakeAction(QWidget& form, const QString& name, const QString& text) {
  auto* action = new QAction(text, &form);
  action->setObjectName(name);
  action->setEnabled(false);
  return action;
}

}  // namespace

ChequeActions::ChequeActions(QWidget& form)
    : QObject(&form),
      amount_(form.findChild<QLineEdit*>(QStringLiteral("Text3"))),
      words_(form.findChild<QLineEdit*>(QStringLiteral("Text4"))),
      copy_(MakeAction(form, QStringLiteral("CopyChequeAmount"), QStringLiteral("复制票据金额"))),
      copy_with_currency_(MakeAction(form, QStringLiteral("CopyChequeAmountRmb"),
                                     QStringLiteral("复制票据金额（含人民币）"))) {
  if (amount_ == nullptr || words_ == nullptr) return;
  // A widget shortcut of an action works in every widget it is added to.
  copy_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  copy_->setShortcutContext(Qt::WidgetShortcut);
  for (QLineEdit* box : {amount_, words_}) box->addActions({copy_, copy_with_currency_});
  connect(copy_, &QAction::triggered, this, [this] { Copy(false); });
  connect(copy_with_currency_, &QAction::triggered, this, [this] { Copy(true); });
  connect(amount_, &QLineEdit::textChanged, this, [this] {
    cut_short_ = false;
    Update();
  });
  if (auto* box = qobject_cast<TextBox*>(amount_)) {
    connect(box, &TextBox::TypingRefused, this, [this] {
      cut_short_ = true;
      Update();
    });
  }
  Update();
}

QString ChequeActions::Offered() const {
  return ToQString(OfferedChequeAmount(ToU16String(amount_->text()), cut_short_));
}

void ChequeActions::Update() {
  const QString form = Offered();
  copy_->setEnabled(!form.isEmpty());
  copy_with_currency_->setEnabled(!form.isEmpty());
  words_->setToolTip(form.isEmpty() ? QString() : QStringLiteral("票据写法：") + form);
}

void ChequeActions::Copy(bool with_currency) const {
  const QString form = Offered();
  if (form.isEmpty()) return;
  QApplication::clipboard()->setText(with_currency ? QStringLiteral("人民币") + form : form);
}

}  // namespace numoria

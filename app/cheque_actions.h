#pragma once

#include <QObject>

class QAction;
class QLineEdit;
class QWidget;

namespace numoria {

// The cheque form of the amount in Text3, for the clipboard: two actions of
// the window at the top of the context menus of Text3 and Text4, the first
// also on Ctrl+Shift+C in either box, and Text4's tooltip. Both actions are
// disabled while the amount cannot stand on a cheque, and after Text3 refused
// a typed character until the amount is edited again (OfferedChequeAmount).
class ChequeActions : public QObject {
  Q_OBJECT

 public:
  // form holds Text3 and Text4.
  explicit ChequeActions(QWidget& form);

 private:
  void Update();
  void Copy(bool with_currency) const;
  [[nodiscard]] QString Offered() const;

  QLineEdit* amount_;
  QLineEdit* words_;
  QAction* copy_;
  QAction* copy_with_currency_;
  bool cut_short_ = false;
};

}  // namespace numoria

#pragma once

#include <QObject>
#include <string>
#include <string_view>

class QAction;
class QLabel;
class QPoint;
class QWidget;

namespace numoria {

// The results that copy: Display, Label2 and Labxj can be selected with the
// mouse, without taking the keyboard focus, and each has a context menu with
// one action, "复制", that copies the number the label shows. The action is
// disabled while the label shows no number.
class CopyableLabels : public QObject {
  Q_OBJECT

 public:
  // form holds the three labels.
  explicit CopyableLabels(QWidget& form);

 private:
  // The number a label's caption shows, by the label's rule.
  using NumberRule = std::u16string (*)(std::u16string_view caption);

  void Add(QWidget& form, const QString& name, NumberRule rule);
  void ShowMenu(QLabel& label, QAction& copy, NumberRule rule, const QPoint& at);
};

}  // namespace numoria

#pragma once

#include <QObject>
#include <array>
#include <string>
#include <string_view>

#include "controls/controls.h"

class QWidget;

namespace numoria {

// The handlers' accessor over the real widgets and actions, found by object
// name (the control's name) when first used.
class WidgetControls final : public Controls {
 public:
  explicit WidgetControls(QWidget& form);

  [[nodiscard]] std::u16string Caption(Control control) const override;
  void SetCaption(Control control, std::u16string_view caption) override;
  [[nodiscard]] std::u16string Text(Control control) const override;
  void SetText(Control control, std::u16string_view text) override;
  [[nodiscard]] std::int16_t Value(Control control) const override;
  void SetMaxLength(Control control, int max_length) override;
  void SetFocus(Control control) override;
  void SetToolTip(Control control, std::u16string_view tip) override;
  void SetEnabled(Control action, bool enabled) override;
  void SetClipboardText(std::u16string_view text) override;
  void ShowMessage(std::u16string_view text, std::u16string_view caption) override;
  [[nodiscard]] LocalTime Now() const override;

  // The widget or action of a control; nullptr for the timer.
  [[nodiscard]] QObject* Find(Control control) const;

 private:
  QWidget& form_;
  mutable std::array<QObject*, kControlCount> objects_{};
};

}  // namespace numoria

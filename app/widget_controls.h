#pragma once

#include <QHash>
#include <QString>
#include <functional>
#include <string>
#include <string_view>

#include "controls/controls.h"

class QWidget;

namespace numoria {

// The handlers' accessor over the real widgets, which it finds by object
// name once, when the window has been built.
class WidgetControls final : public Controls {
 public:
  // Shows a message instead of the modal box (text, caption).
  using MessageHook = std::function<void(std::u16string_view, std::u16string_view)>;

  explicit WidgetControls(QWidget& form);

  [[nodiscard]] std::u16string Caption(std::u16string_view name) const override;
  void SetCaption(std::u16string_view name, std::u16string_view caption) override;
  [[nodiscard]] std::u16string Text(std::u16string_view name) const override;
  void SetText(std::u16string_view name, std::u16string_view text) override;
  [[nodiscard]] std::int16_t Value(std::u16string_view name) const override;
  void SetMaxLength(std::u16string_view name, int max_length) override;
  void SetFocus(std::u16string_view name) override;
  void ShowMessage(std::u16string_view text, std::u16string_view caption) override;

  // Replaces the modal message box, so that tests can read the message
  // without anyone closing a box; an empty hook brings the box back.
  void SetMessageHook(MessageHook hook);

 private:
  [[nodiscard]] QWidget* Find(std::u16string_view name) const;

  QWidget& form_;
  QHash<QString, QWidget*> widgets_;
  MessageHook message_hook_;
};

}  // namespace numoria

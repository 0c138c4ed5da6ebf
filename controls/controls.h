#pragma once

// The handlers' only way to the window: controls reached by name, so every
// tool's handler runs the same against the real widgets and in a unit test.
// Members of control arrays are named with their index: "Digits(3)",
// "Label1(1)".

#include <cstdint>
#include <string>
#include <string_view>

namespace numoria {

class Controls {
 public:
  virtual ~Controls() = default;

  // Caption of a label or button.
  [[nodiscard]] virtual std::u16string Caption(std::u16string_view name) const = 0;
  virtual void SetCaption(std::u16string_view name, std::u16string_view caption) = 0;

  // Text of a text box.
  [[nodiscard]] virtual std::u16string Text(std::u16string_view name) const = 0;
  virtual void SetText(std::u16string_view name, std::u16string_view text) = 0;

  // Value of a scroll bar.
  [[nodiscard]] virtual std::int16_t Value(std::u16string_view name) const = 0;

  // Longest text the user may type or paste into a text box.
  virtual void SetMaxLength(std::u16string_view name, int max_length) = 0;

  virtual void SetFocus(std::u16string_view name) = 0;

  // A modal message box with one OK button and no icon; returns when closed.
  virtual void ShowMessage(std::u16string_view text, std::u16string_view caption) = 0;
};

}  // namespace numoria

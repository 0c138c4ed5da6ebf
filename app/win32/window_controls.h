#pragma once

// The Controls accessor over the Win32 windows: the model reads and writes
// captions, texts, values, tips and action states by control, and the
// windows show them.

#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "controls/controls.h"

namespace numoria::win32 {

class WindowControls final : public Controls {
 public:
  explicit WindowControls(HWND form);

  void Add(Control control, HWND window) { windows_[IndexOf(control)] = window; }
  // The control's window; nullptr for an action or the timer.
  [[nodiscard]] HWND Find(Control control) const { return windows_[IndexOf(control)]; }
  // The control a window shows, or nullopt.
  [[nodiscard]] std::optional<Control> ControlOf(HWND window) const;
  void SetTipWindow(HWND tip) { tip_ = tip; }
  [[nodiscard]] bool Enabled(Control action) const { return enabled_[IndexOf(action)]; }

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

 private:
  HWND form_;
  HWND tip_ = nullptr;
  std::array<HWND, kControlCount> windows_{};
  std::array<bool, kControlCount> enabled_{};
  // The tips' texts, kept while the tooltip control shows them.
  std::array<std::wstring, kControlCount> tips_;
};

// A modal message box owned by owner with one button "确定", in Chinese
// whatever the system's language.
void ShowMessageBox(HWND owner, std::u16string_view text, std::u16string_view caption);

// The local time with the user's short date and long time formats.
[[nodiscard]] LocalTime LocalTimeOf(const SYSTEMTIME& now);

}  // namespace numoria::win32

#pragma once

// The Controls accessor over the Win32 windows: handlers read and write
// captions, texts and values by control name, and the windows show them.

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "controls/controls.h"

namespace numoria::win32 {

class WindowControls final : public Controls {
 public:
  explicit WindowControls(HWND form) : form_(form) {}

  void Add(std::u16string_view name, HWND window) { windows_.emplace(name, window); }
  // The control's window, or nullptr for an unknown name.
  [[nodiscard]] HWND Find(std::u16string_view name) const;

  [[nodiscard]] std::u16string Caption(std::u16string_view name) const override;
  void SetCaption(std::u16string_view name, std::u16string_view caption) override;
  [[nodiscard]] std::u16string Text(std::u16string_view name) const override;
  void SetText(std::u16string_view name, std::u16string_view text) override;
  [[nodiscard]] std::int16_t Value(std::u16string_view name) const override;
  void SetMaxLength(std::u16string_view name, int max_length) override;
  void SetFocus(std::u16string_view name) override;
  void ShowMessage(std::u16string_view text, std::u16string_view caption) override;

 private:
  HWND form_;
  std::map<std::u16string, HWND, std::less<>> windows_;
};

// A modal message box owned by owner with one button "确定", in Chinese
// whatever the system's language.
void ShowMessageBox(HWND owner, std::u16string_view text, std::u16string_view caption);

}  // namespace numoria::win32

#pragma once

// The real Win32 window, made in-process and driven by messages as another
// program would drive it: controls found by their control ID (100 + tab
// index), texts read with WM_GETTEXT.

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "app/win32/main_window.h"
#include "app/win32/wide.h"
#include "app/window_description.h"

namespace numoria::win32::testing {

class WindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterWindowClasses(GetModuleHandleW(nullptr)); }

  void SetUp() override {
    form_ = MainWindow::Create(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
    ASSERT_NE(form_, nullptr);
    SetForegroundWindow(form_);
    Pump();
  }

  void TearDown() override {
    DestroyWindow(form_);
    Pump();
  }

  // Delivers what is waiting in the queue, the quit of a closed window aside.
  static void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }

  // The window object, as the window keeps it.
  [[nodiscard]] MainWindow& Window() const {
    return *reinterpret_cast<MainWindow*>(GetWindowLongPtrW(form_, GWLP_USERDATA));
  }

  [[nodiscard]] HWND Control(std::u16string_view name) const {
    const std::optional<numoria::Control> control = window::ControlNamed(name);
    if (!control) return nullptr;
    struct Search {
      int id;
      HWND found;
    } search{100 + window::Describe(*control).tab_index, nullptr};
    EnumChildWindows(
        form_,
        [](HWND child, LPARAM data) -> BOOL {
          auto& s = *reinterpret_cast<Search*>(data);
          if (GetDlgCtrlID(child) != s.id) return TRUE;
          s.found = child;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  }

  [[nodiscard]] std::u16string Text(std::u16string_view name) const {
    const HWND control = Control(name);
    std::wstring text(512, L'\0');
    const auto length =
        SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return Utf16(text);
  }

  void SetText(std::u16string_view name, std::u16string_view text) const {
    SendMessageW(Control(name), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide(text).c_str()));
  }

  void Click(std::u16string_view name) const { SendMessageW(Control(name), BM_CLICK, 0, 0); }

  // Characters as the keyboard types them into a control.
  void Type(std::u16string_view name, std::u16string_view characters) const {
    for (const char16_t c : characters) SendMessageW(Control(name), WM_CHAR, c, 1);
  }

  HWND form_ = nullptr;
};

}  // namespace numoria::win32::testing

#pragma once

// An in-memory window for handler tests: one record per described control,
// message boxes and clipboard texts collected instead of shown.

#include <array>
#include <cstdint>
#include <stdexcept>
#include <utility>
#include <string>
#include <string_view>
#include <vector>

#include "app/window_description.h"
#include "controls/controls.h"

namespace numoria::testing {

class FakeControls : public Controls {
 public:
  struct Control {
    std::u16string caption;
    std::u16string text;
    std::u16string tip;
    std::int16_t value = 0;
    int max_length = 0;
    bool enabled = true;
  };
  struct Message {
    std::u16string text;
    std::u16string caption;
  };

  FakeControls() {
    for (const auto& entry : window::Description()) At(entry.id).enabled = entry.enabled;
  }

  // A control by the name a toolkit reads; an unknown name is an error.
  [[nodiscard]] static numoria::Control Named(std::u16string_view name) {
    const auto control = window::ControlNamed(name);
    if (!control) throw std::invalid_argument("no control of that name");
    return *control;
  }

  [[nodiscard]] std::u16string Caption(numoria::Control c) const override { return At(c).caption; }
  [[nodiscard]] std::u16string Text(numoria::Control c) const override { return At(c).text; }
  [[nodiscard]] std::int16_t Value(numoria::Control c) const override { return At(c).value; }
  void SetCaption(numoria::Control c, std::u16string_view v) override { At(c).caption = v; }
  void SetText(numoria::Control c, std::u16string_view v) override { At(c).text = v; }
  void SetMaxLength(numoria::Control c, int v) override { At(c).max_length = v; }
  void SetFocus(numoria::Control c) override { focus_ = c; }
  void SetToolTip(numoria::Control c, std::u16string_view tip) override { At(c).tip = tip; }
  void SetEnabled(numoria::Control c, bool enabled) override { At(c).enabled = enabled; }
  void SetClipboardText(std::u16string_view text) override { clipboard_ = text; }
  void ShowMessage(std::u16string_view text, std::u16string_view caption) override {
    messages_.push_back({std::u16string(text), std::u16string(caption)});
  }
  [[nodiscard]] LocalTime Now() const override { return now_; }

  void SetValue(numoria::Control c, std::int16_t v) { At(c).value = v; }
  void SetNow(LocalTime now) { now_ = std::move(now); }
  [[nodiscard]] const Control& Record(numoria::Control c) const { return controls_[IndexOf(c)]; }
  [[nodiscard]] numoria::Control focus() const { return focus_; }
  [[nodiscard]] const std::u16string& clipboard() const { return clipboard_; }
  [[nodiscard]] const std::vector<Message>& messages() const { return messages_; }

 private:
  Control& At(numoria::Control c) { return controls_[IndexOf(c)]; }
  [[nodiscard]] const Control& At(numoria::Control c) const { return controls_[IndexOf(c)]; }

  std::array<Control, kControlCount> controls_;
  numoria::Control focus_ = numoria::Control::kForm1;
  std::u16string clipboard_;
  LocalTime now_;
  std::vector<Message> messages_;
};

}  // namespace numoria::testing

#pragma once

// An in-memory window for handler tests: every control is a record in a map,
// and message boxes are collected instead of shown.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "controls/controls.h"

namespace numoria::testing {

class FakeControls : public Controls {
 public:
  struct Control {
    std::u16string caption;
    std::u16string text;
    std::int16_t value = 0;
    int max_length = 0;
  };
  struct Message {
    std::u16string text;
    std::u16string caption;
  };

  [[nodiscard]] std::u16string Caption(std::u16string_view name) const override {
    return Find(name).caption;
  }
  [[nodiscard]] std::u16string Text(std::u16string_view name) const override {
    return Find(name).text;
  }
  [[nodiscard]] std::int16_t Value(std::u16string_view name) const override {
    return Find(name).value;
  }
  void SetCaption(std::u16string_view name, std::u16string_view v) override { At(name).caption = v; }
  void SetText(std::u16string_view name, std::u16string_view v) override { At(name).text = v; }
  void SetMaxLength(std::u16string_view name, int v) override { At(name).max_length = v; }
  void SetFocus(std::u16string_view name) override { focus_ = name; }
  void ShowMessage(std::u16string_view text, std::u16string_view caption) override {
    messages_.push_back({std::u16string(text), std::u16string(caption)});
  }

  void SetValue(std::u16string_view name, std::int16_t v) { At(name).value = v; }
  [[nodiscard]] int MaxLength(std::u16string_view name) const { return Find(name).max_length; }
  [[nodiscard]] const std::u16string& focus() const { return focus_; }
  [[nodiscard]] const std::vector<Message>& messages() const { return messages_; }

 private:
  Control& At(std::u16string_view name) { return controls_[std::u16string(name)]; }
  [[nodiscard]] const Control& Find(std::u16string_view name) const {
    static const Control kEmpty;
    const auto it = controls_.find(std::u16string(name));
    return it == controls_.end() ? kEmpty : it->second;
  }

  std::map<std::u16string, Control> controls_;
  std::u16string focus_;
  std::vector<Message> messages_;
};

}  // namespace numoria::testing

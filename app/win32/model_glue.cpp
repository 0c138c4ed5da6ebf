#include "app/win32/model_glue.h"

#include <array>
#include <exception>

#include "app/activate.h"
#include "app/win32/clock.h"
#include "capital/capital.h"
#include "discount/discount.h"
#include "expression/panel.h"

namespace numoria::win32 {
namespace {

struct Context {
  Controls& controls;
  Keypad& keypad;
};

using Handler = void (*)(Context& c, std::int16_t index);

struct Binding {
  std::u16string_view control;  // a control array by its name alone: "Digits"
  Event event;
  Handler handler;
};

constexpr std::array kBindings{
    Binding{u"Form1", Event::kActivate, [](Context& c, std::int16_t) { Form_Activate(c.controls); }},
    Binding{u"Timer1", Event::kTimer, [](Context& c, std::int16_t) { Timer1_Timer(c.controls); }},
    Binding{u"Digits", Event::kClick, [](Context& c, std::int16_t i) { c.keypad.Digits_Click(i); }},
    Binding{u"DotBttn", Event::kClick, [](Context& c, std::int16_t) { c.keypad.DotBttn_Click(); }},
    Binding{u"Plus", Event::kClick, [](Context& c, std::int16_t) { c.keypad.Plus_Click(); }},
    Binding{u"Minus", Event::kClick, [](Context& c, std::int16_t) { c.keypad.Minus_Click(); }},
    Binding{u"Times", Event::kClick, [](Context& c, std::int16_t) { c.keypad.Times_Click(); }},
    Binding{u"Div", Event::kClick, [](Context& c, std::int16_t) { c.keypad.Div_Click(); }},
    Binding{u"Equals", Event::kClick, [](Context& c, std::int16_t) { c.keypad.Equals_Click(); }},
    Binding{u"PlusMinus", Event::kClick,
            [](Context& c, std::int16_t) { c.keypad.PlusMinus_Click(); }},
    Binding{u"Over", Event::kClick, [](Context& c, std::int16_t) { c.keypad.Over_Click(); }},
    Binding{u"clear", Event::kClick, [](Context& c, std::int16_t) { c.keypad.clear_Click(); }},
    Binding{u"Command1", Event::kClick, [](Context& c, std::int16_t) { Command1_Click(c.controls); }},
    Binding{u"Text3", Event::kChange, [](Context& c, std::int16_t) { Text3_Change(c.controls); }},
    Binding{u"HScroll1", Event::kChange,
            [](Context& c, std::int16_t) { HScroll1_Change(c.controls); }},
};

// "Digits(3)" -> ("Digits", 3); a plain name has index 0.
[[nodiscard]] std::pair<std::u16string_view, std::int16_t> SplitMember(std::u16string_view name) {
  const auto open = name.find(u'(');
  if (open == std::u16string_view::npos || !name.ends_with(u')')) return {name, 0};
  std::int16_t index = 0;
  for (const char16_t c : name.substr(open + 1, name.size() - open - 2)) {
    index = static_cast<std::int16_t>(index * 10 + (c - u'0'));
  }
  return {name.substr(0, open), index};
}

}  // namespace

void Model::Dispatch(std::u16string_view control, Event event) {
  const auto [array, index] = SplitMember(control);
  Context context{controls_, keypad_};
  for (const Binding& binding : kBindings) {
    if (binding.control != array || binding.event != event) continue;
    try {
      binding.handler(context, index);
    } catch (const std::exception&) {
      // The window stays as the handler left it and goes on running.
    }
  }
}

}  // namespace numoria::win32

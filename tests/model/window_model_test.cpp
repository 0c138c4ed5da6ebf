// The window model without a toolkit: every event reaches its handlers
// through the binding table, and the window's own rules (activation, clock,
// keyboard, copying) hold.

#include "app/window_model.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/checks.h"
#include "tests/support/fake_controls.h"

namespace numoria {
namespace {

using testing::FakeControls;

TEST(ControlNames, AMisspeltNameIsRefused) {
  EXPECT_EQ(FakeControls::Named(u"Digits(5)"), Control::kDigits5);
  EXPECT_EQ(FakeControls::Named(u"CopyLabxj"), Control::kCopyLabxj);
  for (const std::u16string_view typo : {u"Txet3", u"text3", u"Digits", u"Digits(10)", u""}) {
    EXPECT_THROW(static_cast<void>(FakeControls::Named(typo)), std::invalid_argument);
  }
}

// One window step by step; after each event one control shows `want`.
TEST(WindowModel, EveryEventReachesItsHandlers) {
  FakeControls controls;
  WindowModel model(controls);
  const auto text = [&](Control c) { return controls.Record(c).text; };
  const auto caption = [&](Control c) { return controls.Record(c).caption; };
  const auto tip = [&](Control c) { return controls.Record(c).tip; };
  const auto clipboard = [&](Control) { return controls.clipboard(); };
  const auto enabled = [&](Control c) { return std::u16string(controls.Record(c).enabled ? u"on" : u"off"); };
  struct Step {
    std::function<void()> set;
    Control control;
    Event event;
    std::function<std::u16string(Control)> read;
    Control shown;
    std::u16string_view want;
  };
  const auto type = [&](Control c, std::u16string_view t) { return [&controls, c, t] { controls.SetText(c, t); }; };
  const auto none = [] {};
  const Step kSteps[] = {
      {none, Control::kDigits1, Event::kClick, caption, Control::kDisplay, u"1"},
      {none, Control::kDigits2, Event::kClick, caption, Control::kDisplay, u"12"},
      {none, Control::kPlus, Event::kClick, caption, Control::kDisplay, u""},
      {none, Control::kDigits3, Event::kClick, caption, Control::kDisplay, u"3"},
      {none, Control::kEquals, Event::kClick, caption, Control::kDisplay, u"15"},
      {none, Control::kDisplay, Event::kMenu, enabled, Control::kCopyDisplay, u"on"},
      {none, Control::kCopyDisplay, Event::kClick, clipboard, Control::kDisplay, u"15"},
      {none, Control::kClear, Event::kClick, caption, Control::kDisplay, u""},
      {none, Control::kDisplay, Event::kMenu, enabled, Control::kCopyDisplay, u"off"},
      {type(Control::kText1, u"2*(3+4)"), Control::kCommand1, Event::kClick, caption, Control::kLabel2,
       u"计算结果为: 14"},
      {none, Control::kLabel2, Event::kMenu, enabled, Control::kCopyLabel2, u"on"},
      {none, Control::kCopyLabel2, Event::kClick, clipboard, Control::kLabel2, u"14"},
      {[&] { controls.SetText(Control::kText2, u"100"); controls.SetValue(Control::kHScroll1, 8); },
       Control::kHScroll1, Event::kChange, caption, Control::kLabxj, u"80元"},
      {none, Control::kCopyLabxj, Event::kClick, clipboard, Control::kLabxj, u"80"},
      {type(Control::kText3, u"16409.02"), Control::kText3, Event::kChange, text, Control::kText4,
       u"壹万陆仟肆佰零玖元贰分"},
      {none, Control::kText3, Event::kChange, tip, Control::kText4, u"票据写法：壹万陆仟肆佰零玖元零贰分"},
      {none, Control::kCopyChequeAmountRmb, Event::kClick, clipboard, Control::kText3,
       u"人民币壹万陆仟肆佰零玖元零贰分"},
      {type(Control::kText3, u"12"), Control::kText3, Event::kChange, text, Control::kText4, u"壹拾贰元"},
      {none, Control::kCopyChequeAmount, Event::kClick, clipboard, Control::kText3, u"壹拾贰元整"},
      // A refused keystroke withdraws the offer until the amount is edited.
      {type(Control::kText3, u"123456789."), Control::kText3, Event::kRefused, enabled,
       Control::kCopyChequeAmountRmb, u"off"},
      {none, Control::kCopyChequeAmountRmb, Event::kClick, clipboard, Control::kText3, u"壹拾贰元整"},
      {none, Control::kText3, Event::kChange, enabled, Control::kCopyChequeAmount, u"on"},
      {type(Control::kText3, u"12.345"), Control::kText3, Event::kChange, enabled, Control::kCopyChequeAmountRmb,
       u"off"},
      {none, Control::kText3, Event::kChange, tip, Control::kText4, u""},
      // Not bound: nothing happens.
      {type(Control::kText1, u"1+1"), Control::kText1, Event::kChange, caption, Control::kLabel2, u"计算结果为: 14"},
      {[&] { controls.SetNow({9, 5, 0, u"2024/6/11", u"9:05:00"}); }, Control::kTimer1, Event::kTimer, caption,
       Control::kLabel12, u"2024/6/11 9:05:00"},
      {[&] { controls.SetNow({0, 0, 0, u"2024/6/12", u"0:00:00"}); }, Control::kTimer1, Event::kTimer, caption,
       Control::kLabel12, u"2024/6/12"},
      {[&] { controls.SetNow({0, 0, 1, u"2024/6/12", u"0:00:01"}); }, Control::kTimer1, Event::kTimer, caption,
       Control::kLabel12, u"2024/6/12 0:00:01"},
  };
  for (const Step& step : kSteps) {
    SCOPED_TRACE(testing::Narrow(window::Describe(step.control).name));
    step.set();
    model.Dispatch(step.control, step.event);
    EXPECT_EQ(step.read(step.shown), step.want);
  }
  EXPECT_TRUE(controls.messages().empty());
}

// Activate runs at the first activation and when activation comes back from
// another window of the program, not from another application or a box.
TEST(WindowModel, ActivationRule) {
  struct Case {
    std::vector<std::optional<bool>> steps;  // activated, or deactivated to the own window or not
    int runs;
  };
  const Case kCases[] = {
      {{std::nullopt}, 1},
      {{std::nullopt, false, std::nullopt}, 1},
      {{std::nullopt, true, std::nullopt}, 2},
      {{std::nullopt, true, false, std::nullopt}, 1},
      {{std::nullopt, true, std::nullopt, false, std::nullopt}, 2},
  };
  for (const Case& c : kCases) {
    FakeControls controls;
    WindowModel model(controls);
    int runs = 0;
    for (const auto& step : c.steps) {
      if (step) {
        model.Deactivated(*step);
        continue;
      }
      controls.SetFocus(Control::kForm1);
      model.Activated();
      runs += controls.focus() == Control::kText3 ? 1 : 0;
    }
    EXPECT_EQ(runs, c.runs);
    EXPECT_EQ(controls.Record(Control::kText3).max_length, 10);
  }
}

TEST(WindowModel, KeysPressTheKeypadOnlyFromItsButtons) {
  struct Case {
    Control focused;
    KeyStroke stroke;
    std::optional<Control> want;
  };
  const Case kCases[] = {
      {Control::kClear, {u'7'}, Control::kDigits7},
      {Control::kEquals, {u'+'}, Control::kPlus},
      {Control::kDigits0, {u'R'}, Control::kOver},
      {Control::kDigits0, {u','}, std::nullopt},
      {Control::kDigits0, {u',', NamedKey::kNone, true}, Control::kDotBttn},
      {Control::kDigits0, {0, NamedKey::kEscape}, Control::kClear},
      {Control::kDigits0, {0, NamedKey::kF9}, Control::kPlusMinus},
      {Control::kDigits5, {u'\r', NamedKey::kEnter}, Control::kEquals},
      {Control::kDigits0, {u'7', NamedKey::kNone, false, true}, std::nullopt},
      {Control::kDigits0, {u'c', NamedKey::kNone, false, true, true}, Control::kCopyDisplay},
      {Control::kDigits0, {u'x'}, std::nullopt},
      {Control::kText1, {u'7'}, std::nullopt},
      {Control::kCommand1, {u'7'}, std::nullopt},
      {Control::kDisplay, {u'7', NamedKey::kNone, false, true, true}, std::nullopt},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Narrow(window::Describe(c.focused).name) + " " +
                 static_cast<char>(c.stroke.typed));
    EXPECT_EQ(WindowModel::KeyTarget(c.focused, c.stroke), c.want);
  }
}

}  // namespace
}  // namespace numoria

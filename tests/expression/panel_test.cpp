#include "expression/panel.h"

#include <gtest/gtest.h>

#include <string>

#include "expression/result_text.h"
#include "tests/support/checks.h"
#include "tests/support/fake_controls.h"

namespace numoria {
namespace {

constexpr std::u16string_view kFailed = u"公式有错误";

// The caption the button writes, and the number its context menu copies.
TEST(Command1Click, ShowsTheResultOrTheFailure) {
  // clang-format off
  const struct { std::u16string text; std::u16string_view caption, number; } kCases[] = {
      {u"1+2*3", u"计算结果为: 7", u"7"}, {u"1/3", u"计算结果为: 0.333333333333333", u"0.333333333333333"},
      {u"10000000*100000000", u"计算结果为: 1E+15", u"1E+15"}, {u"x", u"计算结果为: 1", u"1"},
      {u"1e3", u"计算结果为: 1000", u"1000"}, {u"sin(0)", u"计算结果为: 0", u"0"},
      {u"Sin(0)", u"计算结果为: 0", u"0"}, {u"log(1000)", u"计算结果为: 3", u"3"},
      {u"-0", u"计算结果为: 0", u"0"}, {u"-1/3", u"计算结果为: -0.333333333333333", u"-0.333333333333333"},
      {u"", kFailed, u""}, {u"(1+2", kFailed, u""}, {u"2×3", kFailed, u""},
      {u"ｓin(0)", kFailed, u""},  // full-width letters are not upper-cased
      {std::u16string(32'766, u' ') + u"1", kFailed, u""},
      {std::u16string(39'999, u' ') + u"1", kFailed, u""}};
  // clang-format on
  testing::FakeControls controls;
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Narrow(c.text.substr(0, 30)));
    controls.SetCaption(Control::kLabel2, u"计算结果为: 1");
    controls.SetText(Control::kText1, c.text);
    Command1_Click(controls);
    EXPECT_TRUE(controls.Caption(Control::kLabel2) == c.caption);
    EXPECT_TRUE(controls.Text(Control::kText1) == c.text);
    EXPECT_TRUE(ResultNumber(c.caption) == c.number);
  }
  // Only the exact prefix, ASCII colon and one blank, counts.
  for (const auto caption : {u"输入表达式(数字不能带正负号)", u"计算结果为:7", u"计算结果为：7"}) {
    EXPECT_TRUE(ResultNumber(caption).empty());
  }
}

}  // namespace
}  // namespace numoria

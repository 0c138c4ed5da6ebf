#include "expression/panel.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/fake_controls.h"

namespace numoria {
namespace {

std::string Narrow(std::u16string_view text) { return {text.begin(), text.end()}; }

TEST(Command1Click, ShowsTheResultOrTheFailure) {
  struct Case {
    std::u16string_view text;
    std::u16string_view caption;
  };
  constexpr std::u16string_view kFailed = u"公式有错误";
  constexpr Case kCases[] = {
      {u"1+2*3", u"计算结果为: 7"},
      {u"1/3", u"计算结果为: 0.333333333333333"},
      {u"10000000*100000000", u"计算结果为: 1E+15"},
      {u"x", u"计算结果为: 1"},
      {u"X", u"计算结果为: 1"},
      {u"1e3", u"计算结果为: 1000"},
      {u"sin(0)", u"计算结果为: 0"},
      {u"SIN(0)", u"计算结果为: 0"},
      {u"Sin(0)", u"计算结果为: 0"},
      {u"log(1000)", u"计算结果为: 3"},
      {u"-0", u"计算结果为: 0"},
      {u"", kFailed},
      {u"(1+2", kFailed},
      {u"2×3", kFailed},
      {u"ｓin(0)", kFailed},  // full-width letters are not upper-cased
  };
  testing::FakeControls controls;
  for (const Case& c : kCases) {
    SCOPED_TRACE(Narrow(c.text));
    controls.SetText(u"Text1", c.text);
    Command1_Click(controls);
    EXPECT_TRUE(controls.Caption(u"Label2") == c.caption) << Narrow(controls.Caption(u"Label2"));
    EXPECT_TRUE(controls.Text(u"Text1") == c.text);
  }
}

TEST(Command1Click, TooLongFormulaFails) {
  testing::FakeControls controls;
  for (const std::size_t length : {32'767U, 40'000U}) {
    const std::u16string text = std::u16string(length - 1, u' ') + u"1";
    controls.SetCaption(u"Label2", u"计算结果为: 1");
    controls.SetText(u"Text1", text);
    Command1_Click(controls);
    EXPECT_TRUE(controls.Caption(u"Label2") == u"公式有错误");
    EXPECT_TRUE(controls.Text(u"Text1") == text);
  }
}

}  // namespace
}  // namespace numoria

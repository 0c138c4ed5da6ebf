#include "discount/discount.h"
#include "discount/handlers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "tests/support/checks.h"
#include "tests/support/fake_controls.h"

namespace numoria {
namespace {

TEST(Discount, ScrollChange) {
  constexpr std::u16string_view kNotAPrice = u"请输入正确的原价";
  struct Case {
    std::u16string_view price;
    std::int16_t discount;
    std::u16string_view zhe, xj;
  };
  // clang-format off
  constexpr Case kCases[] = {
      {u"100", 8, u"8折", u"80元"}, {u"59.9", 8, u"8折", u"47.92元"}, {u"99.99", 7, u"7折", u"69.993元"},
      {u"0.1", 3, u"3折", u"0.03元"}, {u"100.50", 10, u"10折", u"100.5元"}, {u"199", 0, u"0折", u"0元"},
      {u" 12 ", 5, u"5折", u"6元"}, {u"-20", 5, u"5折", u"-10元"}, {u"-0", 5, u"5折", u"0元"},
      // The plain product would overflow here.
      {u"1.7E308", 10, u"10折", u"1.7E+308元"}, {u"1.7E308", 7, u"7折", u"1.19E+308元"},
      {u"-1.7E308", 9, u"9折", u"-1.53E+308元"},
      // price * 8 / 10, not price * 0.8 (which ends in ...79).
      {u"8367073931194.73", 8, u"8折", u"6693659144955.78元"},
      // Not a number: the discount is still shown, the price asked for again.
      {u"", 8, u"8折", kNotAPrice}, {u"   ", 8, u"8折", kNotAPrice}, {u"abc", 2, u"2折", kNotAPrice},
      {u"12元", 5, u"5折", kNotAPrice}, {u"1E400", 5, u"5折", kNotAPrice},
      {u"12,5", 5, u"5折", kNotAPrice}, {u"1,250", 5, u"5折", u"625元"}};
  // clang-format on
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Narrow(c.price));
    testing::FakeControls controls;
    controls.SetCaption(Control::kLabzhe, u"1折");
    controls.SetCaption(Control::kLabxj, u"80元");  // a stale price from before
    controls.SetText(Control::kText2, c.price);
    controls.SetValue(Control::kHScroll1, c.discount);
    HScroll1_Change(controls);
    EXPECT_EQ(controls.Caption(Control::kLabzhe), c.zhe);
    EXPECT_EQ(controls.Caption(Control::kLabxj), c.xj);
    EXPECT_TRUE(controls.messages().empty());
    // What Labxj's menu copies: the price without "元", nothing for the notice.
    const std::u16string_view number = c.xj == kNotAPrice ? u"" : c.xj.substr(0, c.xj.size() - 1);
    EXPECT_EQ(CurrentPriceNumber(c.xj), number);
  }
  for (const auto caption : {u"", u"元", u"80"}) EXPECT_EQ(CurrentPriceNumber(caption), u"");
}

}  // namespace
}  // namespace numoria

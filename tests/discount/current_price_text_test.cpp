#include "discount/current_price_text.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace numoria {
namespace {

TEST(CurrentPriceNumberTest, IsThePriceWithoutItsYuan) {
  struct Case {
    std::u16string_view caption;
    std::u16string_view want;
  };
  constexpr Case kCases[] = {
      {u"80元", u"80"},
      {u"-10元", u"-10"},
      {u"69.993元", u"69.993"},
      {u"1.79769313486232E+308元", u"1.79769313486232E+308"},
      {u"请输入正确的原价", u""},
      {u"", u""},
      {u"元", u""},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.caption.begin(), c.caption.end()));
    EXPECT_EQ(CurrentPriceNumber(c.caption), c.want);
  }
}

}  // namespace
}  // namespace numoria

#include "expression/result_text.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace numoria {
namespace {

TEST(ResultNumberTest, IsTheNumberAfterThePrefixOnly) {
  struct Case {
    std::u16string_view caption;
    std::u16string_view want;
  };
  constexpr Case kCases[] = {
      {u"计算结果为: 7", u"7"},
      {u"计算结果为: -0.333333333333333", u"-0.333333333333333"},
      {u"计算结果为: 1E+15", u"1E+15"},
      {u"输入表达式(数字不能带正负号)", u""},
      {u"公式有错误", u""},
      {u"", u""},
      // Only the exact prefix, ASCII colon and one blank, counts.
      {u"计算结果为:7", u""},
      {u"计算结果为：7", u""},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.caption.begin(), c.caption.end()));
    EXPECT_EQ(ResultNumber(c.caption), c.want);
  }
}

}  // namespace
}  // namespace numoria

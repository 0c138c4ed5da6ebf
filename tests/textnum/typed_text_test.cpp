#include "textnum/typed_text.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/checks.h"

namespace numoria {
namespace {

TEST(TypedText, FoldedTypedAndCleanedPastedText) {
  using Rule = std::u16string (*)(std::u16string_view);
  constexpr Rule kFold = FoldFullWidth, kLine = PastedLine, kAmount = PastedAmount;
  // clang-format off
  constexpr struct { Rule rule; std::u16string_view input, want; } kCases[] = {
      {kFold, u"１２３．５", u"123.5"}, {kFold, u"！～", u"!~"}, {kFold, u"（＋＊）", u"(+*)"},
      {kFold, u"　", u" "}, {kFold, u"ｓｉｎ（ｘ）", u"sin(x)"}, {kFold, u"", u""},
      // Just outside the block, and look-alikes that are no full-width form.
      {kFold, u"\uFF00\uFF5F￥，。", u"\uFF00\uFF5F￥,。"}, {kFold, u"元１", u"元1"},
      {kLine, u"1234.56\r\n", u"1234.56"}, {kLine, u" \t12 \n", u"12"}, {kLine, u"1\r\n2\n3\r4", u"1 2 3 4"},
      {kLine, u"1\n\n2", u"1  2"}, {kLine, u"1\t2", u"1\t2"}, {kLine, u"　１２　", u"12"},
      {kLine, u"\r\n", u""}, {kLine, u"sin(x) * 2", u"sin(x) * 2"},
      {kAmount, u"￥1,234.50", u"1234.50"}, {kAmount, u"1,234.50元", u"1234.50"},
      {kAmount, u"¥ 1,234,567\r\n", u"1234567"}, {kAmount, u"RMB 12.5", u"12.5"},
      {kAmount, u"ＲＭＢ１，０００", u"1000"}, {kAmount, u"￥1,000元", u"1000"},
      // Commas that group no thousands stay, so the amount is not misread.
      {kAmount, u"12,5", u"12,5"}, {kAmount, u"1,0000", u"1,0000"}, {kAmount, u",5", u",5"},
      {kAmount, u"12,", u"12,"}, {kAmount, u"1,,000", u"1,,000"}, {kAmount, u"1,000.5,0", u"1,000.5,0"},
      {kAmount, u"1234,567", u"1234,567"},
      // Only the marks around the number go.
      {kAmount, u"1元2", u"1元2"}, {kAmount, u"元", u""}, {kAmount, u"-￥5", u"-￥5"}};
  // clang-format on
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Narrow(c.input));
    EXPECT_EQ(c.rule(c.input), c.want);
  }
}

}  // namespace
}  // namespace numoria

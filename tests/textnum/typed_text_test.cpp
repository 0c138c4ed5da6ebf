#include <gtest/gtest.h>

#include <string>

#include "tests/support/checks.h"
#include "textnum/typed_text.h"

namespace numoria {
namespace {

using testing::Narrow;

struct Case {
  std::u16string_view input;
  std::u16string_view want;
};

TEST(TypedText, FullWidthFormsFoldToAscii) {
  // clang-format off
  constexpr Case kCases[] = {
      {u"１２３．５", u"123.5"}, {u"！～", u"!~"}, {u"（＋＊）", u"(+*)"}, {u"　", u" "},
      {u"ｓｉｎ（ｘ）", u"sin(x)"},
      // Just outside the block, and look-alikes that are no full-width form.
      {u"\uFF00\uFF5F￥，。", u"\uFF00\uFF5F￥,。"}, {u"元１", u"元1"}, {u"", u""}};
  // clang-format on
  for (const auto& c : kCases) {
    SCOPED_TRACE(Narrow(std::u16string(c.input)));
    EXPECT_EQ(FoldFullWidth(c.input), c.want);
  }
}

TEST(TypedText, PastedLineLosesItsInvisibleEdges) {
  // clang-format off
  constexpr Case kCases[] = {
      {u"1234.56\r\n", u"1234.56"}, {u" \t12 \n", u"12"}, {u"1\r\n2\n3\r4", u"1 2 3 4"},
      {u"1\n\n2", u"1  2"}, {u"1\t2", u"1\t2"}, {u"　１２　", u"12"}, {u"\r\n", u""},
      {u"sin(x) * 2", u"sin(x) * 2"}};
  // clang-format on
  for (const auto& c : kCases) {
    SCOPED_TRACE(Narrow(std::u16string(c.input)));
    EXPECT_EQ(PastedLine(c.input), c.want);
  }
}

TEST(TypedText, PastedAmountLosesCurrencyMarksAndGroupingCommas) {
  // clang-format off
  constexpr Case kCases[] = {
      {u"￥1,234.50", u"1234.50"}, {u"1,234.50元", u"1234.50"}, {u"¥ 1,234,567\r\n", u"1234567"},
      {u"RMB 12.5", u"12.5"}, {u"ＲＭＢ１，０００", u"1000"}, {u"￥1,000元", u"1000"},
      // Commas that group no thousands stay, so the amount is not misread.
      {u"12,5", u"12,5"}, {u"1,0000", u"1,0000"}, {u",5", u",5"}, {u"12,", u"12,"},
      {u"1,,000", u"1,,000"}, {u"1,000.5,0", u"1,000.5,0"}, {u"1234,567", u"1234,567"},
      // Only the marks around the number go.
      {u"1元2", u"1元2"}, {u"元", u""}, {u"-￥5", u"-￥5"}};
  // clang-format on
  for (const auto& c : kCases) {
    SCOPED_TRACE(Narrow(std::u16string(c.input)));
    EXPECT_EQ(PastedAmount(c.input), c.want);
  }
}

}  // namespace
}  // namespace numoria

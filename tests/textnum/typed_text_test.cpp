#include "textnum/typed_text.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/checks.h"
#include "textnum/text_fit.h"

namespace numoria {
namespace {

TEST(TypedText, FoldedTypedAndCleanedPastedText) {
  using Rule = std::u16string (*)(std::u16string_view);
  constexpr Rule kFold = FoldFullWidth, kLine = PastedLine, kPrice = PastedPrice,
                 kAmount = PastedAmount;
  // clang-format off
  constexpr struct { Rule rule; std::u16string_view input, want; } kCases[] = {
      {kFold, u"１２３．５", u"123.5"}, {kFold, u"！～", u"!~"}, {kFold, u"（＋＊）", u"(+*)"},
      {kFold, u"　", u" "}, {kFold, u"ｓｉｎ（ｘ）", u"sin(x)"}, {kFold, u"", u""},
      // Just outside the block, and look-alikes that are no full-width form.
      {kFold, u"\uFF00\uFF5F￥，", u"\uFF00\uFF5F￥,"}, {kFold, u"元１", u"元1"},
      // The point of a Chinese punctuation mode, and its half-width form.
      {kFold, u"12。5", u"12.5"}, {kFold, u"2｡5", u"2.5"}, {kLine, u"99。5\n", u"99.5"},
      // No-break blanks around a copied cell.
      {kLine, u"\u00A01234.50", u"1234.50"}, {kLine, u"12\u202F\u2007", u"12"},
      {kLine, u"1\u00A02", u"1\u00A02"},
      {kPrice, u"￥100", u"100"}, {kPrice, u"12元", u"12"}, {kPrice, u"1,234.50", u"1,234.50"},
      {kPrice, u"人民币 99.5\r\n", u"99.5"},
      {kAmount, u"人民币1,234.50", u"1234.50"}, {kAmount, u"\u00A01,234.50", u"1234.50"},
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

// A paste is refused whole when its cells would run together or when it
// does not fit the room left.
TEST(TypedText, RefusedPastes) {
  using enum PasteRefusal;
  // clang-format off
  constexpr struct { std::u16string_view pasted; std::size_t cleaned, room; bool one_value; PasteRefusal want; } kCases[] = {
      {u"12345678901", 11, 10, true, kTooLong}, {u"1234567890", 10, 10, true, kNone},
      {u"￥12,345,678.95", 11, 10, true, kTooLong}, {u"5", 1, 0, true, kTooLong}, {u"", 0, 0, true, kNone},
      {u"100\n200\n", 7, 10, true, kSeveralValues}, {u"100\r\n200\r\n300", 11, 99, false, kSeveralValues},
      {u"100\t200", 7, 99, false, kSeveralValues}, {u"1.5\n\n .5", 6, 99, false, kSeveralValues},
      {u"１００\n２００", 7, 99, false, kSeveralValues}, {u"1\n2", 3, 99, false, kSeveralValues},
      // A formula across lines is one; an amount never is.
      {u"1+2\r\n*3\n", 6, 99, false, kNone}, {u"(1+2)\n3", 6, 99, false, kNone},
      {u"12\n元", 4, 99, true, kSeveralValues}, {u"1+2\n*3", 6, 99, true, kSeveralValues},
      // One cell with its line break, blanks or tabs around it.
      {u" 16409.02\r\n", 8, 10, true, kNone}, {u"\t100\t\n", 3, 10, true, kNone},
      {u"1 000", 5, 10, true, kNone}, {u"\u00A0100\n", 3, 10, true, kNone}};
  // clang-format on
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Narrow(c.pasted));
    EXPECT_EQ(RefusedPaste(c.pasted, c.cleaned, c.one_value, c.room), c.want);
  }
  EXPECT_EQ(PasteRefusalNotice(kTooLong, 10), u"金额最多 10 个字符，未粘贴");
  EXPECT_EQ(PasteRefusalNotice(kSeveralValues, 10), u"粘贴内容含多个数值，未粘贴");
  EXPECT_EQ(PasteRefusalNotice(kNone, 10), u"");
  EXPECT_EQ(TypingRefusalNotice(10), u"金额最多 10 个字符，未输入");
}

// A text too wide is narrowed, first in stretch, then in size; the widths
// here are those of a face whose width follows stretch and size exactly.
TEST(TextFit, NarrowsOnlyWhatDoesNotFit) {
  // clang-format off
  constexpr struct { int width_at_12, available; TextFit want; } kCases[] = {
      {240, 240, {100, 12}}, {0, 0, {100, 12}}, {241, 240, {99, 12}}, {240, 225, {94, 12}},
      {240, 180, {75, 12}}, {240, 179, {81, 11}}, {144, 97, {81, 10}},
      // Down to half the size at the narrowest stretch, then no further.
      {240, 90, {75, 6}}, {240, 10, {75, 6}}};
  // clang-format on
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.width_at_12);
    int measured = 0;
    const TextFit fit = FitText(12, c.available, [&](const TextFit& f) {
      ++measured;
      return c.width_at_12 * f.stretch * f.pixel_size / (100 * 12);
    });
    EXPECT_EQ(fit, c.want) << fit.stretch << "% " << fit.pixel_size << " px";
    EXPECT_LE(measured, 16);
  }
}

}  // namespace
}  // namespace numoria

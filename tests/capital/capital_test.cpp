#include "capital/capital.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "tests/support/checks.h"

namespace numoria {
namespace {

using testing::Narrow;

constexpr std::u16string_view kBadFormat = u"金额格式有误";
constexpr std::u16string_view kOutOfRange = u"金额超出范围";

struct Case {
  std::u16string input;
  std::u16string_view want;
};

void ExpectConversions(std::u16string (*convert)(std::u16string_view), std::span<const Case> cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(Narrow(c.input.substr(0, 30)));
    EXPECT_EQ(convert(c.input), c.want);
  }
}

TEST(CapitalWords, DigitsAndUnits) {
  // clang-format off
  constexpr struct { std::int16_t index; std::u16string_view digit, unit; } kCases[] = {
      {-32768, u"", u""}, {-1, u"", u""}, {0, u"零", u""}, {1, u"壹", u""}, {2, u"贰", u"拾"},
      {3, u"叁", u"佰"}, {4, u"肆", u"仟"}, {5, u"伍", u"万"}, {6, u"陆", u"拾"}, {7, u"柒", u"佰"},
      {8, u"捌", u"仟"}, {9, u"玖", u"亿"}, {10, u"", u"拾"}, {11, u"", u""}, {32767, u"", u""}};
  // clang-format on
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.index);
    EXPECT_EQ(CapitalDigit(c.index), c.digit);
    EXPECT_EQ(CapitalUnit(c.index), c.unit);
  }
}

// Whole amounts are read exhaustively in capital_reading_test.cpp; these rows
// pin the zero, 万 and 亿 rules, fractions, and every refusal.
TEST(CapitalAmount, Table) {
  // clang-format off
  const Case kCases[] = {
      {u"", u"元"}, {u"0", u"元"}, {u"101", u"壹佰零壹元"}, {u"1010", u"壹仟零壹拾元"},
      {u"10001", u"壹万零壹元"}, {u"100500", u"壹拾万零伍佰元"}, {u"105000", u"壹拾万伍仟元"},
      {u"10101000", u"壹仟零壹拾万壹仟元"}, {u"100000001", u"壹亿零壹元"},
      {u"101000000", u"壹亿零壹佰万元"}, {u"1000010000", u"壹拾亿零壹万元"},
      {u"1010000000", u"壹拾亿壹仟万元"}, {u"2147483647", u"贰拾壹亿肆仟柒佰肆拾捌万叁仟陆佰肆拾柒元"},
      {u"05", u"零伍元"}, {u"000", u"元"}, {u"000010000", u"零壹万元"},
      {u"00000000002147483647", u"零贰拾壹亿肆仟柒佰肆拾捌万叁仟陆佰肆拾柒元"},
      {std::u16string(100000, u'0') + u"1.5", u"零壹元伍角"},
      {u".", u"元"}, {u"12.", u"壹拾贰元"}, {u"12.0", u"壹拾贰元"}, {u"12.5", u"壹拾贰元伍角"},
      {u"12.05", u"壹拾贰元伍分"}, {u"12.50", u"壹拾贰元伍角零分"}, {u"12.00", u"壹拾贰元零分"},
      {u"12.345", u"壹拾贰元叁角肆分"}, {u".5", u"元伍角"}, {u"0.05", u"元伍分"},
      {u"0.999", u"元玖角玖分"}, {u"1." + std::u16string(100000, u'9'), u"壹元玖角玖分"},
      {u"1.2.3", kBadFormat}, {u"1..5", kBadFormat}, {u"1.a", kBadFormat}, {u"1. ", kBadFormat},
      {u"1.23x", kBadFormat}, {u"-5", kBadFormat}, {u"+1", kBadFormat}, {u" 5", kBadFormat},
      {u"5 ", kBadFormat}, {u"1,000", kBadFormat}, {u"1a", kBadFormat}, {u"１２", kBadFormat},
      {u"99999999999.x", kBadFormat}, {std::u16string(u"1\0", 2), kBadFormat},
      {u"\xD800", kBadFormat}, {u"1.\xDC00", kBadFormat},
      {u"2147483648", kOutOfRange}, {u"9999999999", kOutOfRange}, {u"10000000000", kOutOfRange},
      {u"00000000002147483648.5", kOutOfRange}, {std::u16string(100000, u'9'), kOutOfRange}};
  // clang-format on
  ExpectConversions(CapitalAmount, kCases);
}

// Every amount up to 10000.99 is checked in capital_reading_test.cpp; these
// rows pin the cheque rules at large amounts and every refusal.
TEST(ChequeAmount, Table) {
  // clang-format off
  const Case kCases[] = {
      {u"05", u"伍元整"}, {u"000010000", u"壹万元整"}, {u"5.", u"伍元整"}, {u"0.5", u"伍角整"},
      {u"0.05", u"伍分"}, {u".35", u"叁角伍分"}, {u".05", u"伍分"}, {u"0", u"零元整"},
      {u"0.00", u"零元整"}, {u"00", u"零元整"}, {u".0", u"零元整"}, {u"0.", u"零元整"},
      {u"12.05", u"壹拾贰元零伍分"}, {u"16409.02", u"壹万陆仟肆佰零玖元零贰分"},
      {u"100.01", u"壹佰元零壹分"}, {u"12", u"壹拾贰元整"}, {u"12.0", u"壹拾贰元整"},
      {u"12.00", u"壹拾贰元整"}, {u"12.5", u"壹拾贰元伍角整"}, {u"12.50", u"壹拾贰元伍角整"},
      {u"6007.14", u"陆仟零柒元壹角肆分"}, {u"1680.32", u"壹仟陆佰捌拾元叁角贰分"},
      {u"107000.53", u"壹拾万柒仟元伍角叁分"}, {u"1409.50", u"壹仟肆佰零玖元伍角整"},
      {u"100000000", u"壹亿元整"}, {u"1000000001", u"壹拾亿零壹元整"}, {u"10.10", u"壹拾元壹角整"},
      {u"2147483647", u"贰拾壹亿肆仟柒佰肆拾捌万叁仟陆佰肆拾柒元整"},
      {u"00000000002147483647.99", u"贰拾壹亿肆仟柒佰肆拾捌万叁仟陆佰肆拾柒元玖角玖分"},
      {u"1000010000.01", u"壹拾亿零壹万元零壹分"}, {u"100000000.10", u"壹亿元壹角整"},
      {u"", u""}, {u".", u""}, {u"..", u""}, {u"12.345", u""}, {u"0.001", u""}, {u"-5", u""},
      {u"+5", u""}, {u" 5", u""}, {u"5 ", u""}, {u"1,000", u""}, {u"1a", u""}, {u"1.a", u""},
      {u"1.2.3", u""}, {u"1..5", u""}, {u"１２", u""}, {u"5e2", u""}, {u"2147483648", u""},
      {u"9999999999.99", u""}, {std::u16string(100000, u'9'), u""},
      {std::u16string(u"1\0", 2), u""}, {u"\xD800", u""}};
  // clang-format on
  ExpectConversions(ChequeAmount, kCases);
}

// No form is offered for what a full box left of a longer typed amount.
TEST(ChequeAmount, NoneOfferedForAnAmountCutShort) {
  // clang-format off
  constexpr struct { std::u16string_view text; bool cut_short; std::u16string_view want; } kCases[] = {
      {u"123456789.", true, u""}, {u"123456789.", false, u"壹亿贰仟叁佰肆拾伍万陆仟柒佰捌拾玖元整"},
      {u"12.5", false, u"壹拾贰元伍角整"}, {u"12.345", false, u""}};
  // clang-format on
  for (const auto& c : kCases) {
    SCOPED_TRACE(Narrow(c.text));
    EXPECT_EQ(OfferedChequeAmount(c.text, c.cut_short), c.want);
  }
}

}  // namespace
}  // namespace numoria

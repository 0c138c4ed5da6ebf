#include "keypad/keypad.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <string_view>

#include "tests/support/fake_controls.h"
#include "textnum/runtime_error.h"

namespace numoria {
namespace {

using testing::FakeControls;

// One character a key: digits, '.', '+', '-', '*', '/', '=', 'n' (sign),
// 'r' (reciprocal), 'C' (clear).
void Press(Keypad& keypad, char key) {
  switch (key) {
    case '.': keypad.DotBttn_Click(); break;
    case '+': keypad.Plus_Click(); break;
    case '-': keypad.Minus_Click(); break;
    case '*': keypad.Times_Click(); break;
    case '/': keypad.Div_Click(); break;
    case '=': keypad.Equals_Click(); break;
    case 'n': keypad.PlusMinus_Click(); break;
    case 'r': keypad.Over_Click(); break;
    case 'C': keypad.clear_Click(); break;
    default: keypad.Digits_Click(static_cast<std::int16_t>(key - '0')); break;
  }
}

void PressAll(Keypad& keypad, std::string_view keys) {
  for (const char key : keys) {
    Press(keypad, key);
  }
}

std::u16string OverflowMessage() {
  return u"此操作产生如下错误：\r\n" + RuntimeError(ErrorNumber::kOverflow).description();
}

struct Case {
  std::u16string_view start;  // the display before the first key
  std::string_view keys;
  std::u16string_view want;
};

constexpr Case kCases[] = {
    {u"", "5=", u"0"},
    {u"", "8/0=", u"0"},
    {u"", "1/3=", u"0.333333333333333"},
    {u"", "0.1+0.2=", u"0.3"},
    {u"", "12+3=", u"15"},
    {u"", "12+3==", u"27"},
    {u"", "12+3===", u"39"},
    {u"", "12+3=C4=", u"16"},
    {u"", "7-2=", u"5"},
    {u"", "7-2==", u"2"},
    {u"", "7-2===", u"5"},
    {u"", "2+3=.", u"5."},
    {u"", "2+3=.3", u"3"},
    {u"", "1.5.", u"1.5"},
    {u"", ".5", u".5"},
    {u"", "00", u"00"},
    {u"", "+4=", u"4"},
    {u"", "n", u"0"},
    {u"", "12n", u"-12"},
    {u"", "12n3", u"-123"},
    {u"-0.5", "n", u"0.5"},
    {u"ERROR", "n", u"0"},
    {u"", "r", u""},
    {u"", "0r", u"0"},
    {u"", "0.r", u"0."},
    {u"ERROR", "r", u"ERROR"},
    {u"", "4r", u"0.25"},
    {u"", "4r5", u"0.255"},
    {u"", "8nr", u"-0.125"},
    {u"1E-308", "r", u"1E+308"},
    {u"", "5+-3=", u"-3"},
    {u"", "5*=", u"0"},
    {u"", "5/=", u"0"},
    {u"", "2+3=C=", u"2"},
    {u"", "2+3=C4=", u"6"},
    {u"ERROR", ".", u"ERROR."},
    {u"ERROR", "+4=", u"4"},
    {u"", "2*3.5=", u"7"},
};

TEST(Keypad, KeySequences) {
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.keys);
    FakeControls controls;
    controls.SetCaption(u"Display", c.start);
    Keypad keypad(controls);
    PressAll(keypad, c.keys);
    EXPECT_EQ(controls.Caption(u"Display"), c.want);
    EXPECT_TRUE(controls.messages().empty());
  }
}

TEST(Keypad, StateAfterKeys) {
  FakeControls controls;
  Keypad keypad(controls);
  PressAll(keypad, "5=");
  EXPECT_TRUE(keypad.StartNewEntry());
  EXPECT_EQ(keypad.PendingOperator(), u"");
  PressAll(keypad, "9*4=C.n");
  EXPECT_EQ(keypad.FirstOperand(), 9);
  EXPECT_EQ(keypad.SecondOperand(), 4);
  EXPECT_EQ(keypad.PendingOperator(), u"*");
  EXPECT_TRUE(keypad.StartNewEntry());  // only a digit key clears it
}

TEST(Keypad, OverflowOnRepeatedEquals) {
  FakeControls controls;
  Keypad keypad(controls);
  PressAll(keypad, "10000000000*10000000000=");
  EXPECT_EQ(controls.Caption(u"Display"), u"1E+20");
  for (int exponent = 30; exponent <= 300; exponent += 10) {
    Press(keypad, '=');
    const std::string want = "1E+" + std::to_string(exponent);
    ASSERT_EQ(controls.Caption(u"Display"), std::u16string(want.begin(), want.end()));
  }
  EXPECT_TRUE(controls.messages().empty());
  Press(keypad, '=');
  ASSERT_EQ(controls.messages().size(), 1U);
  EXPECT_EQ(controls.messages()[0].text, OverflowMessage());
  EXPECT_EQ(controls.messages()[0].caption, u"Numoria");
  EXPECT_EQ(controls.Caption(u"Display"), u"ERROR");
  EXPECT_TRUE(keypad.StartNewEntry());
  EXPECT_EQ(keypad.FirstOperand(), 1E10);
  EXPECT_EQ(keypad.PendingOperator(), u"*");
  Press(keypad, '7');
  EXPECT_EQ(controls.Caption(u"Display"), u"7");
}

// Keys that meet a display beyond the double range, or whose result is, report
// it like the equals key and keep the pending operation.
struct OverflowCase {
  std::u16string_view start;
  char key;
};

TEST(Keypad, OverflowReportedByEveryKey) {
  const std::u16string huge(309, u'9');
  const OverflowCase cases[] = {
      {huge, '+'}, {huge, '-'}, {huge, '*'}, {huge, '/'},
      {huge, '='}, {huge, 'n'}, {huge, 'r'}, {u"4.9E-324", 'r'},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(1, c.key));
    FakeControls controls;
    Keypad keypad(controls);
    PressAll(keypad, "2*");
    controls.SetCaption(u"Display", c.start);
    Press(keypad, c.key);
    ASSERT_EQ(controls.messages().size(), 1U);
    EXPECT_EQ(controls.messages()[0].text, OverflowMessage());
    EXPECT_EQ(controls.Caption(u"Display"), u"ERROR");
    EXPECT_TRUE(keypad.StartNewEntry());
    EXPECT_EQ(keypad.FirstOperand(), 2);
    EXPECT_EQ(keypad.PendingOperator(), u"*");
    PressAll(keypad, "3=");
    EXPECT_EQ(controls.Caption(u"Display"), u"6");
  }
}

TEST(Keypad, LongEntriesStayFast) {
  FakeControls controls;
  Keypad keypad(controls);
  const auto start = std::chrono::steady_clock::now();
  for (const std::string_view lead : {"0.", ""}) {
    PressAll(keypad, lead);
    for (int i = 0; i < 10'000; ++i) {
      Press(keypad, static_cast<char>('1' + i % 9));
    }
    PressAll(keypad, ".+");
  }
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_NEAR(keypad.FirstOperand(), 0.123456789, 1E-9);  // the fraction
  EXPECT_EQ(controls.messages().size(), 1U);  // the 10,000-digit integer
  EXPECT_LT(elapsed, std::chrono::seconds(5));
}

}  // namespace
}  // namespace numoria

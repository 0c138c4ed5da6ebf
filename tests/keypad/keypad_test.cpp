#include "keypad/keypad.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <string_view>
#include <utility>

#include "tests/support/fake_controls.h"
#include "textnum/runtime_error.h"

namespace numoria {
namespace {

using testing::FakeControls;

// One character a key, as the keyboard types it, and 'n' (sign), 'C' (clear).
void PressAll(Keypad& keypad, std::string_view keys) {
  for (const char key : keys) {
    if (key == 'n') keypad.Press(KeypadKey::kPlusMinus);
    if (key == 'C') keypad.Press(KeypadKey::kClear);
    for (const KeypadKeyInfo& info : kKeypadKeys) {
      if (info.typed == static_cast<char16_t>(key)) keypad.Press(info.key);
    }
  }
}

// What each key does to the display, the operands and the operator is
// checked after every key by fuzz_keypad, over its seeds of key sequences
// (repeated equals, a point or sign after a result, ERROR and reciprocals
// at the range's ends among them) and random ones.

TEST(Keypad, NoSuchDigitKey) {
  FakeControls controls;
  Keypad keypad(controls);
  for (const std::int16_t index : {-1, 10, 32767}) keypad.Digits_Click(index);
  EXPECT_EQ(controls.Caption(Control::kDisplay), u"");
}

// One overflow message, ERROR shown, the pending operation kept, and the
// next digit starts a new entry.
void ExpectOverflowReported(const FakeControls& controls, const Keypad& keypad, double first) {
  ASSERT_EQ(controls.messages().size(), 1U);
  EXPECT_EQ(controls.messages()[0].text,
            u"此操作产生如下错误：\r\n" + RuntimeError(ErrorNumber::kOverflow).description());
  EXPECT_EQ(controls.messages()[0].caption, u"Numoria");
  EXPECT_EQ(controls.Caption(Control::kDisplay), u"ERROR");
  EXPECT_TRUE(keypad.StartNewEntry());
  EXPECT_EQ(keypad.FirstOperand(), first);
  EXPECT_EQ(keypad.PendingOperator(), Operator::kTimes);
}

// Keys that meet a display beyond the double range, or whose result is,
// report it like the equals key.
TEST(Keypad, OverflowReportedByEveryKey) {
  const std::u16string huge(309, u'9');
  const std::pair<std::u16string, std::string_view> kCases[] = {
      {huge, "+"}, {huge, "-"}, {huge, "*"}, {huge, "/"},
      {huge, "="}, {huge, "n"}, {huge, "r"}, {u"4.9E-324", "r"}};
  for (const auto& [start, key] : kCases) {
    SCOPED_TRACE(key);
    FakeControls controls;
    Keypad keypad(controls);
    PressAll(keypad, "2*");
    controls.SetCaption(Control::kDisplay, start);
    PressAll(keypad, key);
    ExpectOverflowReported(controls, keypad, 2);
    PressAll(keypad, "3=");
    EXPECT_EQ(controls.Caption(Control::kDisplay), u"6");
  }
}

TEST(Keypad, LongEntriesStayFast) {
  FakeControls controls;
  Keypad keypad(controls);
  // Processor time, not wall time: a loaded machine must not fail it.
  const std::clock_t start = std::clock();
  std::string digits;
  for (int i = 0; i < 10'000; ++i) digits += static_cast<char>('1' + i % 9);
  PressAll(keypad, "0." + digits + ".+" + digits + ".+");
  const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
  EXPECT_NEAR(keypad.FirstOperand(), 0.123456789, 1E-9);  // the fraction
  EXPECT_EQ(controls.messages().size(), 1U);  // the 10,000-digit integer
  EXPECT_LT(seconds, 5.0);
}

}  // namespace
}  // namespace numoria


#include "app/qt/signal_bindings.h"
#include "app/qt/widget_controls.h"
#include "app/qt/window_builder.h"
#include "app/window_model.h"
#include "gui_test.h"

namespace numoria::testing {
namespace {

using ToolsTest = GuiTest;

TEST_F(ToolsTest, EveryBindingFindsItsControl) {
  QWidget form;
  BuildWindow(form);
  WidgetControls controls(form);
  WindowModel model(controls);
  const SignalBindings bindings(form, controls, model);
  EXPECT_TRUE(bindings.Unbound().empty());
}

// One window used step by step; after each step one control shows `want`.
TEST_F(ToolsTest, EachToolAnswersItsControls) {
  // clang-format off
  constexpr struct { std::u16string_view control; std::string_view keys; std::u16string_view shown, want; } kSteps[] = {
      // The amount in capitals as it is typed (the box's limits: text_box_test).
      {u"Text3", "1001", u"Text4", u"壹仟零壹元"},
      // The formula is evaluated by the button only, and stays as typed.
      {u"Text1", "1+2*3\r", u"Label2", u"输入表达式(数字不能带正负号)"},
      {u"Command1", "", u"Label2", u"计算结果为: 7"}, {u"Text1", "sin(0)", u"Label2", u"计算结果为: 7"},
      {u"Command1", "", u"Label2", u"计算结果为: 0"}, {u"Text1", "(1+2", u"Text1", u"(1+2"},
      {u"Command1", "", u"Label2", u"公式有错误"}, {u"Command1", "", u"Text1", u"(1+2"},
      // The keypad by clicks; Enter on a focused key is "=", Space presses it.
      {u"keys", "12+3=", u"Display", u"15"}, {u"Digits(7)", "\r", u"Display", u"27"},
      {u"Digits(7)", " ", u"Display", u"7"},
      // Arrow keys move the discount at once, a dragged thumb only when released.
      {u"Text2", "100", u"Labxj", u""}, {u"HScroll1", ">", u"Labzhe", u"1折"},
      {u"HScroll1", "", u"Labxj", u"10元"}, {u"HScroll1", "<", u"Labzhe", u"0折"},
      {u"HScroll1", ">[7", u"Labzhe", u"1折"}, {u"HScroll1", "]", u"Labzhe", u"7折"},
      {u"HScroll1", "", u"Labxj", u"70元"}};
  // clang-format on
  for (const auto& c : kSteps) {
    SCOPED_TRACE(ToQString(c.control).toStdString() + " " + std::string(c.keys));
    Use(c.control, c.keys);
    EXPECT_EQ(Shown(c.shown), ToQString(c.want)) << ToQString(c.shown).toStdString();
  }
}

TEST_F(ToolsTest, AFormulaOfAnyLengthIsKeptAndAnOverlongOneFails) {
  QApplication::clipboard()->setText(QString(40000, u'1'));
  auto* text1 = Find<QLineEdit>(u"Text1");
  QTest::keyClick(text1, Qt::Key_V, Qt::ControlModifier);
  Use(u"Command1", "");
  EXPECT_EQ(text1->text().size(), 40000);
  EXPECT_EQ(Shown(u"Label2"), QStringLiteral("公式有错误"));
}

TEST_F(ToolsTest, WindowEvaluatesFormulasForAnyX) {
  // clang-format off
  constexpr struct { std::u16string_view formula; double x; bool good; double want; } kCases[] = {
      {u"X*X-1", 3, true, 8}, {u"1+2)", 1, false, 0}};
  // clang-format on
  for (const auto& c : kCases) {
    SCOPED_TRACE(ToQString(c.formula).toStdString());
    bool good = !c.good;
    const double value = window_->CalculateString(c.formula, good, c.x);
    EXPECT_EQ(good, c.good);
    // A formula that fails has no value to check.
    if (c.good) {
      EXPECT_EQ(value, c.want);
    }
  }
}

// Keys of the keyboard while a keypad key has the focus press their buttons;
// `then` is a key that types nothing, pressed after them.
TEST_F(ToolsTest, KeysPressTheirButtonsWhileAKeypadButtonHasTheFocus) {
  constexpr auto kNone = Qt::Key_unknown;
  constexpr Qt::KeyboardModifiers kPad = Qt::KeypadModifier, kPlain = Qt::NoModifier;
  // clang-format off
  const struct { const char* typed; Qt::KeyboardModifiers modifiers; Qt::Key then; const char* want; } kCases[] = {
      // Which character presses which key is the keypad's table (keypad_test
      // and window_model_test); here the toolkit's keys, modifiers and focus.
      {"0123456789.", kPlain, kNone, "0123456789."},
      {"1100", kPlain, kNone, "1100"},  // the same digit twice in quick succession is two digits
      {"12+3=", kPlain, kNone, "15"}, {"1/4=", kPad, kNone, "0.25"},
      // The number pad's decimal key types "," in many layouts; the main
      // row's "," is no decimal point.
      {"7,5", kPad, kNone, "7.5"}, {"7,5", kPlain, kNone, "75"},
      {"4r", kPlain, kNone, "0.25"}, {"4R", Qt::ShiftModifier, kNone, "0.25"},
      {"12", kPlain, Qt::Key_F9, "-12"}, {"12", kPlain, Qt::Key_Escape, ""},
      {"12", kPad, Qt::Key_Delete, ""},
      // Enter and Return are "=", whichever key has the focus; Space presses it.
      {"12+3", kPad, Qt::Key_Enter, "15"}, {"12+3", kPlain, Qt::Key_Return, "15"},
      {"12+3", kPlain, Qt::Key_Space, "31"},
      // Letters and shortcuts press nothing.
      {"1x", kPlain, kNone, "1"}, {"57+", Qt::ControlModifier, kNone, ""},
      {"58", Qt::AltModifier, kNone, ""}};
  // clang-format on
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.typed);
    Use(u"keys", "c");
    QWidget* focus = Find(u"Digits(1)");
    focus->setFocus();
    for (const char* typed = c.typed; *typed != '\0'; ++typed) {
      QTest::keyClick(focus, *typed, c.modifiers);
    }
    if (c.then != kNone) QTest::keyClick(focus, c.then, c.modifiers);
    EXPECT_EQ(Shown(u"Display"), QString::fromLatin1(c.want));
    EXPECT_EQ(FocusName(), QStringLiteral("Digits(1)"));
  }
}

TEST_F(ToolsTest, ClickedKeyTakesTheKeyboardAndCtrlCCopiesTheDisplay) {
  Use(u"keys", "5");
  QTest::keyClicks(QApplication::focusWidget(), "3.2");
  EXPECT_EQ(Shown(u"Display"), QStringLiteral("53.2"));
  // The last key pressed shows pressed for a moment, then comes up; the one
  // before it is up at once.
  auto* two = Find<QPushButton>(u"Digits(2)");
  EXPECT_TRUE(two->isDown());
  EXPECT_FALSE(Find<QPushButton>(u"DotBttn")->isDown());
  EXPECT_TRUE(QTest::qWaitFor([two] { return !two->isDown(); }, 1000));
  QApplication::clipboard()->clear();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("53.2"));
  // The text boxes keep their keys.
  Use(u"Text1", "1+2=r,");
  QTest::keyClick(Find(u"Text1"), Qt::Key_Escape);
  QTest::keyClick(Find(u"Text1"), Qt::Key_F9);
  EXPECT_EQ(Shown(u"Text1"), QStringLiteral("1+2=r,"));
  EXPECT_EQ(Shown(u"Display"), QStringLiteral("53.2"));
}

}  // namespace
}  // namespace numoria::testing

// Keys of the keyboard pressing keypad buttons, through the real window.

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "tests/app/gui_test.h"

namespace numoria::testing {
namespace {

class KeypadKeysTest : public GuiTest {};

TEST_F(KeypadKeysTest, KeysPressTheirButtonsWhileAKeypadButtonHasTheFocus) {
  constexpr auto kNone = Qt::Key_unknown;
  struct Case {
    const char* typed;  // each character one key, with modifiers
    Qt::KeyboardModifiers modifiers;
    Qt::Key then;  // a key that types nothing, pressed after them
    const char* want;
  };
  const Case kCases[] = {
      {"0123456789", Qt::NoModifier, kNone, "0123456789"},
      // The same digit twice in quick succession is two digits.
      {"1100", Qt::NoModifier, kNone, "1100"},
      {"7.5.", Qt::NoModifier, kNone, "7.5"},
      {"12+3=", Qt::NoModifier, kNone, "15"},
      {"9-4=", Qt::NoModifier, kNone, "5"},
      {"6*7=", Qt::NoModifier, kNone, "42"},
      {"1/4=", Qt::KeypadModifier, kNone, "0.25"},
      {"12+3=", Qt::KeypadModifier, kNone, "15"},
      // The number pad's decimal key types "," in many layouts; the main
      // row's "," is no decimal point.
      {"7,5", Qt::KeypadModifier, kNone, "7.5"},
      {"7,5", Qt::NoModifier, kNone, "75"},
      {"4r", Qt::NoModifier, kNone, "0.25"},
      {"4R", Qt::ShiftModifier, kNone, "0.25"},
      {"12", Qt::NoModifier, Qt::Key_F9, "-12"},
      {"12", Qt::NoModifier, Qt::Key_Escape, ""},
      {"12", Qt::KeypadModifier, Qt::Key_Delete, ""},
      // Letters and shortcuts press nothing.
      {"1x", Qt::NoModifier, kNone, "1"},
      {"57+", Qt::ControlModifier, kNone, ""},
      {"58", Qt::AltModifier, kNone, ""},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.typed);
    QTest::mouseClick(Find<QPushButton>(u"clear"), Qt::LeftButton);
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

TEST_F(KeypadKeysTest, ClickedKeyTakesTheKeyboardAndCtrlCCopiesTheDisplay) {
  QTest::mouseClick(Find<QPushButton>(u"Digits(5)"), Qt::LeftButton);
  QTest::keyClicks(QApplication::focusWidget(), "3.2");
  EXPECT_EQ(Shown(u"Display"), QStringLiteral("53.2"));
  // The last key pressed shows pressed for a moment, then comes up.
  auto* two = Find<QPushButton>(u"Digits(2)");
  EXPECT_TRUE(two->isDown());
  EXPECT_TRUE(QTest::qWaitFor([two] { return !two->isDown(); }, 1000));
  QApplication::clipboard()->clear();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("53.2"));
}

TEST_F(KeypadKeysTest, TextBoxesKeepTheirKeys) {
  auto* box = Find<QLineEdit>(u"Text1");
  box->setFocus();
  QTest::keyClicks(box, "1+2=r,");
  QTest::keyClick(box, Qt::Key_Escape);
  QTest::keyClick(box, Qt::Key_F9);
  EXPECT_EQ(box->text(), QStringLiteral("1+2=r,"));
  EXPECT_EQ(Shown(u"Display"), QString());
}

}  // namespace
}  // namespace numoria::testing

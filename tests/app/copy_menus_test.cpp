// The context menus that copy: the result labels' "复制" and the amount
// boxes' cheque form, through the real window.

#include <QAction>
#include <QMenu>
#include <QTimer>
#include <string>
#include <utility>
#include <vector>

#include "tests/app/gui_test.h"

namespace numoria::testing {
namespace {

using CopyMenusTest = GuiTest;

constexpr std::u16string_view kCopy = u"CopyChequeAmount";
constexpr std::u16string_view kCopyRmb = u"CopyChequeAmountRmb";

struct MenuSeen {
  QStringList texts;
  bool enabled = false;
};

// Opens a label's context menu as a right click does and clicks its first item.
[[nodiscard]] MenuSeen ClickFirstMenuItem(QLabel& label) {
  MenuSeen seen;
  QTimer::singleShot(0, [&seen] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) return;
    for (const QAction* action : menu->actions()) seen.texts << action->text();
    QAction* first = menu->actions().value(0);
    seen.enabled = first != nullptr && first->isEnabled();
    if (first != nullptr)
      QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(first).center());
    if (menu->isVisible()) menu->close();
  });
  OpenContextMenu(label);
  return seen;
}

TEST_F(CopyMenusTest, CopyTakesTheNumberTheLabelShows) {
  const struct {
    std::vector<std::pair<std::u16string_view, std::string_view>> steps;
    std::u16string_view label;
    const char* want;  // nullptr: the item is disabled
  } kCases[] = {
      // What each rule copies is the window model's (window_model_test); here
      // each menu, its enabled state and the clipboard.
      {{}, u"Display", nullptr},
      {{{u"keys", "12+3="}}, u"Display", "15"},
      {{{u"Text1", "1+2*3"}, {u"Command1", ""}}, u"Label2", "7"},
      {{{u"Text2", "59.9"}, {u"HScroll1", ">>>>>>>>"}}, u"Labxj", "47.92"},
      {{{u"Text2", "abc"}, {u"HScroll1", ">"}}, u"Labxj", nullptr},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(ToQString(c.label).toStdString() + " " + std::to_string(&c - kCases));
    TearDown();
    SetUp();
    for (const auto& [control, keys] : c.steps) Use(control, keys);
    QApplication::clipboard()->setText(QStringLiteral("before"));
    const MenuSeen seen = ClickFirstMenuItem(*Find<QLabel>(c.label));
    EXPECT_EQ(seen.texts, QStringList{QStringLiteral("复制")});
    EXPECT_EQ(seen.enabled, c.want != nullptr);
    EXPECT_EQ(QApplication::clipboard()->text(),
              c.want != nullptr ? QString::fromUtf8(c.want) : QStringLiteral("before"));
  }
}

TEST_F(CopyMenusTest, SelectingLeavesTheFocusWhereItWas) {
  Use(u"keys", "42");
  Find(u"Text3")->setFocus();
  for (const std::u16string_view name : {u"Display", u"Label2", u"Labxj"}) {
    SCOPED_TRACE(ToQString(name).toStdString());
    auto* label = Find<QLabel>(name);
    EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(label->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
    QTest::mouseDClick(label, Qt::LeftButton);
    EXPECT_EQ(FocusName(), QStringLiteral("Text3"));
  }
}

TEST_F(CopyMenusTest, ChequeActionsAndTooltipFollowTheAmount) {
  // clang-format off
  constexpr struct { std::string_view amount; std::u16string_view form; } kCases[] = {
      {"", u""}, {"12.05", u"壹拾贰元零伍分"}, {"12.345", u""},
      {"2147483647", u"贰拾壹亿肆仟柒佰肆拾捌万叁仟陆佰肆拾柒元整"}};
  // clang-format on
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.amount);
    Use(u"Text3", c.amount);
    const QString form = ToQString(c.form);
    EXPECT_EQ(Find<QAction>(kCopy)->isEnabled(), !form.isEmpty());
    EXPECT_EQ(Find<QAction>(kCopyRmb)->isEnabled(), !form.isEmpty());
    EXPECT_EQ(Find(u"Text4")->toolTip(), form.isEmpty() ? QString() : u"票据写法："_qs + form);
  }
}

// From the menu of either box (item 0 or 1), and from the key (-1) in either
// box; the key does nothing in another box or while the amount cannot stand
// on a cheque, nor after Text3 refused a typed character ("123456789.55"
// leaves "123456789."), until the amount is typed again.
TEST_F(CopyMenusTest, EachWayCopiesTheChequeForm) {
  // clang-format off
  constexpr struct { std::string_view amount; std::u16string_view box; int item; std::u16string_view want; } kCases[] = {
      {"16409.02", u"Text3", 0, u"壹万陆仟肆佰零玖元零贰分"},
      {"16409.02", u"Text4", 1, u"人民币壹万陆仟肆佰零玖元零贰分"}, {"12", u"Text4", 0, u"壹拾贰元整"},
      {"0.5", u"Text3", -1, u"伍角整"}, {"0.5", u"Text4", -1, u"伍角整"},
      {"0.5", u"Text1", -1, u"before"}, {"12.345", u"Text3", -1, u"before"},
      {"123456789.55", u"Text3", -1, u"before"},
      // Ctrl+A and the key in a full box are shortcuts, no refused characters.
      {"1234567890", u"Text3", -1, u"壹拾贰亿叁仟肆佰伍拾陆万柒仟捌佰玖拾元整"}};
  // clang-format on
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.amount) + " " + ToQString(c.box).toStdString());
    Use(u"Text3", c.amount);
    QApplication::clipboard()->setText(QStringLiteral("before"));
    QWidget* box = Find(c.box);
    box->setFocus();
    if (c.item < 0) {
      QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
      QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    } else {
      OpenContextMenu(*box, {4, 4});
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      ASSERT_NE(menu, nullptr);
      const QList<QAction*> items = menu->actions();
      // The two actions head the menu; the toolkit's edit actions follow.
      ASSERT_GT(items.size(), 8);
      EXPECT_EQ(items[0], Find<QAction>(kCopy));
      EXPECT_EQ(items[1], Find<QAction>(kCopyRmb));
      EXPECT_TRUE(items[2]->isSeparator());
      QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(items[c.item]).center());
    }
    EXPECT_EQ(QApplication::clipboard()->text(), ToQString(c.want));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  }
}

}  // namespace
}  // namespace numoria::testing

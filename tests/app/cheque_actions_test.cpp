#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>

#include "gui_test.h"

namespace numoria::testing {
namespace {

using ChequeActionsTest = GuiTest;

constexpr std::u16string_view kCopy = u"CopyChequeAmount";
constexpr std::u16string_view kCopyRmb = u"CopyChequeAmountRmb";

// Opens a box's context menu as a right click does.
[[nodiscard]] QMenu* OpenMenu(QWidget* box) {
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4), box->mapToGlobal(QPoint(4, 4)));
  QApplication::sendEvent(box, &event);
  return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

TEST_F(ChequeActionsTest, ActionsAndTooltipFollowTheAmount) {
  // clang-format off
  constexpr struct { std::string_view amount; std::u16string_view form; } kCases[] = {
      {"", u""}, {"12.05", u"壹拾贰元零伍分"}, {"12.345", u""}, {"1,000", u""},
      {"2147483647", u"贰拾壹亿肆仟柒佰肆拾捌万叁仟陆佰肆拾柒元整"}, {"2147483648", u""},
      {"0", u"零元整"}, {"-5", u""}};
  // clang-format on
  auto* text4 = Find<QLineEdit>(u"Text4");
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.amount);
    Use(u"Text3", c.amount);
    const QString form = ToQString(c.form);
    for (const std::u16string_view name : {kCopy, kCopyRmb}) {
      EXPECT_EQ(Find<QAction>(name)->isEnabled(), !form.isEmpty());
    }
    EXPECT_EQ(text4->toolTip(), form.isEmpty() ? QString() : QStringLiteral("票据写法：") + form);
  }
}

// From the menu of either box, and from the key in either box; the key does
// nothing in another box or while the amount cannot stand on a cheque.
TEST_F(ChequeActionsTest, EachWayCopiesTheChequeForm) {
  // clang-format off
  constexpr struct { std::string_view amount; std::u16string_view box; int item; std::u16string_view want; } kCases[] = {
      {"16409.02", u"Text3", 0, u"壹万陆仟肆佰零玖元零贰分"},
      {"16409.02", u"Text4", 1, u"人民币壹万陆仟肆佰零玖元零贰分"},
      {"12", u"Text4", 0, u"壹拾贰元整"}, {"12", u"Text3", 1, u"人民币壹拾贰元整"},
      {"0.5", u"Text3", -1, u"伍角整"}, {"0.5", u"Text4", -1, u"伍角整"},
      {"0.5", u"Text1", -1, u"before"}, {"12.345", u"Text3", -1, u"before"}};
  // clang-format on
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.amount) + " " + ToQString(c.box).toStdString());
    Use(u"Text3", c.amount);
    QApplication::clipboard()->setText(QStringLiteral("before"));
    auto* box = Find(c.box);
    box->setFocus();
    if (c.item < 0) {
      QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    } else {
      QMenu* menu = OpenMenu(box);
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

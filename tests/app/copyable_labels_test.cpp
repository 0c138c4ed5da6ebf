// The context menus of the result labels, through the real window.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/app/gui_test.h"

namespace numoria::testing {
namespace {

class CopyableLabelsTest : public GuiTest {
 protected:
  struct MenuSeen {
    QStringList texts;
    bool enabled = false;
  };

  // Opens the label's context menu as a right click does and clicks its
  // first item.
  [[nodiscard]] MenuSeen ClickFirstMenuItem(QLabel& label) const {
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
    const QPoint at(2, 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, label.mapToGlobal(at));
    QApplication::sendEvent(&label, &event);
    return seen;
  }
};

TEST_F(CopyableLabelsTest, CopyTakesTheNumberTheLabelShows) {
  struct Case {
    std::vector<std::pair<std::u16string_view, std::string_view>> steps;
    std::u16string_view label;
    const char* want;  // nullptr: the item is disabled
  };
  const Case kCases[] = {
      {{}, u"Display", nullptr},
      {{{u"keys", "12+3="}}, u"Display", "15"},
      {{{u"keys", "1/0="}}, u"Display", "0"},
      {{}, u"Label2", nullptr},
      {{{u"Text1", "1+2*3"}, {u"Command1", ""}}, u"Label2", "7"},
      {{{u"Text1", "(1+2"}, {u"Command1", ""}}, u"Label2", nullptr},
      {{}, u"Labxj", nullptr},
      {{{u"Text2", "59.9"}, {u"HScroll1", ">>>>>>>>"}}, u"Labxj", "47.92"},
      {{{u"Text2", "abc"}, {u"HScroll1", ">"}}, u"Labxj", nullptr},
  };
  for (const Case& c : kCases) {
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

TEST_F(CopyableLabelsTest, SelectingLeavesTheFocusWhereItWas) {
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

}  // namespace
}  // namespace numoria::testing

// The toolkit's own texts in the window are Chinese whatever the locale: the
// test runs under LC_ALL=C with an English default locale.

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <memory>

#include "app/qt/widget_controls.h"
#include "tests/app/gui_test.h"

namespace numoria::testing {
namespace {

class ToolkitTranslation : public GuiTest {
 protected:
  void SetUp() override {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    GuiTest::SetUp();
  }
};

// An action's text without its mnemonic and shortcut: "撤销(&U)\tCtrl+Z".
[[nodiscard]] QString Plain(const QAction* action) {
  QString text = action->text().section(u'\t', 0, 0);
  text.remove(QStringLiteral("&"));
  return text.section(u'(', 0, 0);
}

// The text box's menu and the scroll bar's in Chinese, in today's words where
// they differ from the toolkit's.
TEST_F(ToolkitTranslation, MenusAreChinese) {
  const std::unique_ptr<QMenu> menu(Find<QLineEdit>(u"Text1")->createStandardContextMenu());
  QStringList shown;
  for (const QAction* action : menu->actions()) {
    if (!action->isSeparator()) shown << Plain(action);
  }
  ASSERT_FALSE(shown.isEmpty());
  EXPECT_EQ(shown.front(), u"撤销"_qs);
  for (const QString& text : shown) {
    EXPECT_EQ(text.front().script(), QChar::Script_Han) << text.toStdString();
  }
  EXPECT_EQ(QCoreApplication::translate("QScrollBar", "Scroll here"), u"滚动到这里"_qs);
}

// The real box of the keypad's overflow: "确定" without an icon, and only a
// close button in its title bar. It is a dialog of the window: minimised with
// it by a window manager that offers a minimise button anyway, box and window
// come straight back, as the modal box would leave the program hidden and
// blocked.
TEST_F(ToolkitTranslation, MessageBoxIsChinesePlainAndStaysWithTheWindow) {
  QString button_text;
  bool icon_shown = true;
  Qt::WindowFlags flags;
  const QWidget* parent = nullptr;
  bool minimised = true;
  int ticks = 0;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    if (ticks++ == 0) {
      const QAbstractButton* ok = box->button(QMessageBox::Ok);
      button_text = ok->text();
      icon_shown = !ok->icon().isNull();
      flags = box->windowFlags();
      parent = box->parentWidget();
      window_->setWindowState(Qt::WindowMinimized);
      box->setWindowState(Qt::WindowMinimized);
      return;
    }
    minimised = box->isMinimized() || window_->isMinimized();
    box->accept();
  });
  closer.start(50);
  window_->controls().ShowMessage(u"溢出", u"Numoria");
  EXPECT_EQ(parent, window_.get());
  EXPECT_FALSE(minimised);
  EXPECT_EQ(button_text, u"确定"_qs);
  EXPECT_FALSE(icon_shown);
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
}

}  // namespace
}  // namespace numoria::testing

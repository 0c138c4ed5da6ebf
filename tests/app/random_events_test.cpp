// Ten thousand seeded random events on every control of the window: clicks
// anywhere, keys to the focused control, typed, pasted and composed texts,
// context menus and scroll-bar moves. Message boxes and menus that open are
// closed (a menu sometimes runs one of its actions first). The window must
// come through whole; under the sanitizers no event may touch memory it
// should not, nor leak.

#include <QInputMethodEvent>
#include <QMenu>
#include <QTimer>
#include <QWheelEvent>
#include <array>
#include <random>
#include <vector>

#include "tests/app/gui_test.h"

namespace numoria::testing {
namespace {

using RandomEventsTest = GuiTest;

constexpr std::array kKeys = {
    Qt::Key_0,      Qt::Key_1,     Qt::Key_5,         Qt::Key_9,         Qt::Key_Period,
    Qt::Key_Plus,   Qt::Key_Minus, Qt::Key_Asterisk,  Qt::Key_Slash,     Qt::Key_Equal,
    Qt::Key_R,      Qt::Key_X,     Qt::Key_ParenLeft, Qt::Key_Tab,       Qt::Key_Backtab,
    Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space,     Qt::Key_Backspace, Qt::Key_Delete,
    Qt::Key_Escape, Qt::Key_F9,    Qt::Key_Left,      Qt::Key_Right,     Qt::Key_Up,
    Qt::Key_Down,   Qt::Key_Home,  Qt::Key_End,       Qt::Key_PageUp,    Qt::Key_Menu};
constexpr std::array kModifiers = {
    Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::ShiftModifier),
    Qt::KeyboardModifiers(Qt::ControlModifier), Qt::ControlModifier | Qt::ShiftModifier,
    Qt::KeyboardModifiers(Qt::KeypadModifier)};
// Ctrl with these: copy, paste, cut, undo, redo, select all; with Shift, C
// copies the cheque form.
constexpr std::array kControlKeys = {Qt::Key_C, Qt::Key_V, Qt::Key_X,
                                     Qt::Key_Z, Qt::Key_Y, Qt::Key_A};
// clang-format off
constexpr std::array kTexts = {
    u"1001", u"12.5", u"0.07", u"99999999.99", u"１２３．５", u"￥1,234.50元", u" 16409.02\n",
    u"sin(x)*2+(1024)/3", u"pow(2,1e3)", u"(((", u"-1.79769313486231E+308", u"1e309",
    u"壹仟零壹元", u"ARCCOS(2)", u"1/0", u"\u200b7\u3000", u"龘"};
// clang-format on

class Randomiser {
 public:
  [[nodiscard]] int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }
  template <class T>
  [[nodiscard]] const typename T::value_type& Pick(const T& from) {
    return from[static_cast<std::size_t>(Below(static_cast<int>(std::size(from))))];
  }
  [[nodiscard]] QPoint Inside(const QWidget& widget) {
    return {Below(std::max(1, widget.width())), Below(std::max(1, widget.height()))};
  }

 private:
  std::mt19937 engine_{20240611};
};

void SendKey(QWidget* to, Randomiser& random) {
  if (random.Below(6) != 0) {
    return QTest::keyClick(to, random.Pick(kKeys), random.Pick(kModifiers));
  }
  const Qt::Key key = random.Pick(kControlKeys);
  const Qt::KeyboardModifiers shift = random.Below(2) == 0 ? Qt::NoModifier : Qt::ShiftModifier;
  QTest::keyClick(to, key, Qt::ControlModifier | shift);
}

// Typed (keyClicks takes ASCII only: any other character comes as a key's
// text), committed by an input method, or pasted. Now and then more digits
// than a double holds: on the keypad, the next operator or equals reports an
// overflow in a message box.
void SendText(QWidget* to, Randomiser& random) {
  if (random.Below(40) == 0) {
    for (int digit = 0; digit < 320; ++digit) QTest::keyClick(to, '9');
    return;
  }
  const QString text = QString::fromUtf16(random.Pick(kTexts));
  const int way = random.Below(3);
  if (way == 0) {
    for (const QChar c : text) {
      if (c.unicode() >= 0x20 && c.unicode() < 0x7f) {
        QTest::keyClick(to, c.toLatin1());
      } else {
        QTest::sendKeyEvent(QTest::Click, to, Qt::Key_unknown, QString(c), Qt::NoModifier);
      }
    }
  } else if (way == 1) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(to, &event);
  } else {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(to, Qt::Key_V, Qt::ControlModifier);
  }
}

// A context menu, a double click, a drag (as over a text or the scroll
// bar's thumb), or a click.
void Click(QWidget* on, Randomiser& random) {
  const QPoint at = random.Inside(*on);
  const int way = random.Below(5);
  if (way == 0) return OpenContextMenu(*on, at);
  if (way == 1) return QTest::mouseDClick(on, Qt::LeftButton, {}, at);
  if (way == 2) {
    QTest::mousePress(on, Qt::LeftButton, {}, at);
    QTest::mouseMove(on, random.Inside(*on));
    return QTest::mouseRelease(on, Qt::LeftButton, {}, random.Inside(*on));
  }
  QTest::mouseClick(on, random.Below(8) == 0 ? Qt::RightButton : Qt::LeftButton, {}, at);
}

void MoveBar(QScrollBar* bar, Randomiser& random) {
  const int way = random.Below(3);
  if (way == 0) return bar->triggerAction(QAbstractSlider::SliderAction(1 + random.Below(8)));
  if (way == 1) {
    bar->setSliderDown(true);
    bar->setSliderPosition(random.Below(11));
    return bar->setSliderDown(false);
  }
  const QPointF at = random.Inside(*bar);
  QWheelEvent wheel(at, bar->mapToGlobal(at), {}, {0, random.Below(2) == 0 ? 120 : -120},
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(bar, &wheel);
}

TEST_F(RandomEventsTest, WindowComesThroughTenThousandRandomEvents) {
  std::vector<QWidget*> controls = {window_.get()};
  for (QWidget* widget : window_->findChildren<QWidget*>()) {
    if (!widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_"))
      controls.push_back(widget);
  }
  ASSERT_GT(controls.size(), 40U);
  Randomiser random;
  int menus = 0;
  int boxes = 0;
  // Runs in the event loop of a modal box or menu too.
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
      const QList<QAction*> actions = menu->actions();
      if (!actions.isEmpty() && random.Below(2) == 0)
        actions.at(random.Below(actions.size()))->trigger();
      menu->close();
      ++menus;
    } else if (QWidget* box = QApplication::activeModalWidget()) {
      box->close();
      ++boxes;
    }
  });
  closer.start(0);

  for (int event = 0; event < 10'000; ++event) {
    QWidget* control = random.Pick(controls);
    // As a window manager does when a message box closes.
    if (!window_->isActiveWindow() && QApplication::activePopupWidget() == nullptr &&
        QApplication::activeModalWidget() == nullptr) {
      QApplication::setActiveWindow(window_.get());
    }
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr) focus = window_.get();
    const int kind = random.Below(10);  // 4 in 10 clicks, 3 keys, 2 texts, 1 a scroll-bar move
    if (kind < 4) {
      Click(control, random);
    } else if (kind < 7) {
      SendKey(focus, random);
    } else if (kind < 9) {
      SendText(focus, random);
    } else {
      MoveBar(Find<QScrollBar>(u"HScroll1"), random);
    }
    if (event % 10 == 0) QApplication::processEvents();
  }
  QApplication::processEvents();
  RecordProperty("menus_closed", menus);
  RecordProperty("message_boxes_closed", boxes);
  EXPECT_GT(menus, 0);  // the run reached the context menus and the keypad's message box
  EXPECT_GT(boxes, 0);
  EXPECT_TRUE(window_->isVisible());
  EXPECT_LE(Shown(u"Text3").size(), 10);
  EXPECT_EQ(Find<QLabel>(u"Label2")->size(), Find<QLabel>(u"Label2")->sizeHint());
}

}  // namespace
}  // namespace numoria::testing

#pragma once

// Shared ground of the GUI tests: one QApplication for the whole test
// program (offscreen), a window shown and active at the start of a test, and
// typing and clicking into its controls by name.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QContextMenuEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>
#include <memory>
#include <string_view>
#include <utility>

#include "app/qt/main_window.h"
#include "app/qt/qt_text.h"
#include "app/qt/widget_controls.h"
#include "app/window_description.h"
#include "keypad/keypad.h"

namespace numoria::testing {

// The device pixels where two grabs of one widget differ (empty if none).
[[nodiscard]] inline QRect Changed(const QImage& a, const QImage& b) {
  QRect changed;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (a.pixel(x, y) != b.pixel(x, y)) changed |= QRect(x, y, 1, 1);
    }
  }
  return changed;
}

// Whether two grabs agree left of the logical column x.
[[nodiscard]] inline bool SameLeftOf(const QImage& a, const QImage& b, int x) {
  const QRect left(0, 0, static_cast<int>(x * a.devicePixelRatio()), a.height());
  return a.copy(left) == b.copy(left);
}

// Where a text box draws its line, inside frame and margins.
[[nodiscard]] inline QRect LineArea(QLineEdit& box) {
  QStyleOptionFrame option;
  option.initFrom(&box);
  option.lineWidth = box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box);
  return box.style()->subElementRect(QStyle::SE_LineEditContents, &option, &box);
}

// A context menu asked for as a right click asks for it.
inline void OpenContextMenu(QWidget& widget, QPoint at = {2, 2}) {
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget.mapToGlobal(at));
  QApplication::sendEvent(&widget, &event);
}

class GuiTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (QApplication::instance() != nullptr) return;
    static int argc = 1;
    static char name[] = "app_test";
    static char* argv[] = {name, nullptr};
    // Kept to the end of the program: widgets of later suites need it.
    new QApplication(argc, argv);
  }

  void SetUp() override {
    window_ = std::make_unique<MainWindow>();
    window_->show();
    QApplication::setActiveWindow(window_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }

  void TearDown() override { window_.reset(); }

  template <class T = QWidget>
  [[nodiscard]] T* Find(std::u16string_view name) const {
    T* child = window_->findChild<T*>(ToQString(name));
    EXPECT_NE(child, nullptr) << ToQString(name).toStdString();
    return child;
  }

  // Writes a caption as the handlers do.
  void SetCaption(std::u16string_view name, std::u16string_view caption) const {
    const auto control = window::ControlNamed(name);
    ASSERT_TRUE(control.has_value()) << ToQString(name).toStdString();
    window_->controls().SetCaption(*control, caption);
  }

  // The caption of a label, the text of a text box.
  [[nodiscard]] QString Shown(std::u16string_view name) const {
    if (const auto* label = window_->findChild<QLabel*>(ToQString(name))) return label->text();
    return Find<QLineEdit>(name)->text();
  }

  [[nodiscard]] QString FocusName() const {
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus->objectName() : QString();
  }

  // Acts on one control as a user would. A text box is emptied and gets the
  // keys, those after a "|" pasted from the clipboard; a button is clicked,
  // or focused and gets the keys ("\r" Return, " " Space); a scroll bar gets
  // "<" and ">" as arrow keys, "[" and "]" press and release its thumb, and a
  // digit drags the thumb to that value. "keys" are keypad buttons.
  void Use(std::u16string_view name, std::string_view keys) const {
    if (name == u"keys") return PressKeys(keys);
    QWidget* widget = Find(name);
    const auto text = [&](std::size_t from, std::size_t to = std::string_view::npos) {
      return QString::fromLatin1(keys.substr(from, to - from));
    };
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
      const std::size_t paste = keys.find('|');
      edit->clear();
      QTest::keyClicks(edit, text(0, paste));
      if (paste == std::string_view::npos) return;
      QApplication::clipboard()->setText(text(paste + 1));
      QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    } else if (auto* bar = qobject_cast<QScrollBar*>(widget)) {
      bar->setFocus();
      for (const char key : keys) {
        if (key == '<' || key == '>')
          QTest::keyClick(bar, key == '<' ? Qt::Key_Left : Qt::Key_Right);
        if (key == '[' || key == ']') bar->setSliderDown(key == '[');
        if (key >= '0' && key <= '9') bar->setSliderPosition(key - '0');
      }
    } else if (keys.empty()) {
      QTest::mouseClick(widget, Qt::LeftButton);
    } else {
      widget->setFocus();
      for (const char key : keys)
        QTest::keyClick(widget, key == ' ' ? Qt::Key_Space : Qt::Key_Return);
    }
  }

  // Clicks keypad buttons by the characters that type them, c for C.
  void PressKeys(std::string_view keys) const {
    for (const char key : keys) {
      for (const KeypadKeyInfo& info : kKeypadKeys) {
        if (info.typed == static_cast<char16_t>(key) || (key == 'c' && info.key == KeypadKey::kClear)) {
          QTest::mouseClick(Find<QPushButton>(window::Describe(info.button).name), Qt::LeftButton);
        }
      }
    }
  }

  std::unique_ptr<MainWindow> window_;
};

}  // namespace numoria::testing

#pragma once

// Shared ground of the GUI tests: one QApplication for the whole test
// program (offscreen), and a window shown and active at the start of a test.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>

#include "app/main_window.h"
#include "app/qt_text.h"

namespace numoria::testing {

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

  template <class T>
  [[nodiscard]] T* Find(std::u16string_view name) const {
    T* child = window_->findChild<T*>(ToQString(name));
    EXPECT_NE(child, nullptr) << ToQString(name).toStdString();
    return child;
  }

  [[nodiscard]] QString FocusName() const {
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus->objectName() : QString();
  }

  std::unique_ptr<MainWindow> window_;
};

}  // namespace numoria::testing

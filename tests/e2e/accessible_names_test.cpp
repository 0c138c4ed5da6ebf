// What a screen reader hears for each control of the window: every control a
// user can reach has a name, and the output labels are read by the text they
// show (the end-to-end run finds the keys by their names).

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QWidget>
#include <string>

#include "app/main_window.h"
#include "app/qt_text.h"
#include "app/widget_controls.h"
#include "app/window_description.h"

namespace numoria {
namespace {

class AccessibleNames : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "accessible_names_test";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) new QApplication(argc, argv);
  }

  void SetUp() override { window_.show(); }

  [[nodiscard]] QString NameOf(std::u16string_view control) const {
    QWidget* widget = window_.findChild<QWidget*>(ToQString(control));
    EXPECT_NE(widget, nullptr);
    if (widget == nullptr) return {};
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
  }

  MainWindow window_;
};

[[nodiscard]] std::string Utf8(std::u16string_view text) { return ToQString(text).toStdString(); }

TEST_F(AccessibleNames, EveryControlWithACaptionOrFocusHasAName) {
  for (const window::ControlDescription& entry : window::Description()) {
    if (entry.kind == window::Kind::kForm || entry.kind == window::Kind::kTimer) continue;
    const bool focusable = entry.kind == window::Kind::kButton ||
                           entry.kind == window::Kind::kTextBox ||
                           entry.kind == window::Kind::kHScrollBar;
    // Labels that start empty are outputs, named by what they show (below).
    if (!focusable && entry.caption.empty()) continue;
    SCOPED_TRACE(Utf8(entry.name));
    EXPECT_FALSE(NameOf(entry.name).trimmed().isEmpty());
  }
}

TEST_F(AccessibleNames, OutputLabelsAreReadByTheirText) {
  struct Case {
    std::u16string_view control;
    std::u16string_view shown;
  };
  constexpr Case kCases[] = {
      {u"Display", u"15"},
      {u"Display", u"ERROR"},
      {u"Labzhe", u"8折"},
      {u"Labxj", u"80元"},
      {u"Label2", u"计算结果为: 7"},
      {u"Label12", u"2024/6/11 9:05:00"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(Utf8(c.control) + " " + Utf8(c.shown));
    window_.controls().SetCaption(c.control, c.shown);
    EXPECT_EQ(NameOf(c.control), ToQString(c.shown));
  }
}

}  // namespace
}  // namespace numoria

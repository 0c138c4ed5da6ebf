#include <QAccessible>
#include <QMessageBox>
#include <QTimer>
#include <utility>
#include <vector>

#include "app/qt/clock.h"
#include "app/qt/tail_label.h"
#include "app/qt/widget_controls.h"
#include "app/window_description.h"

#include "gui_test.h"

namespace numoria::testing {
namespace {

using WindowTest = GuiTest;

[[nodiscard]] QRect PixelRect(const window::Twips& g) {
  return {window::Pixels(g.left), window::Pixels(g.top), window::Pixels(g.width),
          window::Pixels(g.height)};
}

// Every control once in the description, and where it puts it; a few
// controls' places and fonts in pixels, as the layout was drawn.
TEST_F(WindowTest, EveryControlWhereTheDescriptionPutsIt) {
  EXPECT_EQ(window_->objectName(), QStringLiteral("Form1"));
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("Numoria"));
  EXPECT_EQ(window_->size(), QSize(634, 407));
  // The form, 45 controls, the timer and five actions.
  EXPECT_EQ(window::Description().size(), 52U);
  for (const window::ControlDescription& entry : window::Description()) {
    SCOPED_TRACE(ToQString(entry.name).toStdString());
    EXPECT_EQ(window::ControlNamed(entry.name), entry.id);
    if (entry.kind == window::Kind::kForm || entry.kind == window::Kind::kTimer ||
        entry.kind == window::Kind::kAction) {
      continue;
    }
    const QWidget* widget = Find(entry.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->geometry(), PixelRect(entry.geometry));
    EXPECT_EQ(widget->parentWidget()->objectName(), ToQString(entry.parent));
  }
  // clang-format off
  const struct { std::u16string_view name; QRect at; } kPlaces[] = {
      {u"Display", {16, 24, 249, 33}}, {u"Frame2", {320, 48, 297, 137}},
      {u"Label12", {120, 376, 185, 25}}, {u"clear", {16, 216, 33, 37}},
      {u"DotBttn", {120, 216, 33, 35}}, {u"Equals", {168, 224, 97, 25}},
      {u"Label2", {16, 24, 168, 12}}, {u"Label1(1)", {16, 96, 252, 12}},
      {u"HScroll1", {16, 72, 257, 17}}, {u"Text3", {88, 16, 145, 18}}};
  constexpr struct { std::u16string_view name; int pixels, weight; } kFonts[] = {
      {u"Label1(0)", 24, 400}, {u"Label12", 14, 400}, {u"Digits(5)", 14, 700},
      {u"DotBttn", 16, 700}, {u"Display", 18, 400}, {u"Text3", 12, 400}};
  // clang-format on
  for (const auto& [name, at] : kPlaces) EXPECT_EQ(Find(name)->geometry(), at);
  for (const auto& [name, pixels, weight] : kFonts) {
    EXPECT_EQ(Find(name)->font().pixelSize(), pixels) << ToQString(name).toStdString();
    EXPECT_EQ(Find(name)->font().weight(), weight) << ToQString(name).toStdString();
  }
  EXPECT_EQ(window_->font().pixelSize(), 12);
}

TEST_F(WindowTest, BackgroundShowsThePictureUnscaledFromTheTopLeftCorner) {
  const QImage picture(QStringLiteral(NUMORIA_RESOURCES_DIR "/background.png"));
  ASSERT_EQ(picture.size(), QSize(700, 600));
  const QImage shown = window_->grab().toImage();
  // Places no control covers, near each corner of the client area.
  for (const QPoint at : {QPoint(1, 1), QPoint(630, 2), QPoint(3, 403), QPoint(630, 403)}) {
    EXPECT_EQ(shown.pixel(at), picture.pixel(at)) << at.x() << "," << at.y();
  }
}

TEST_F(WindowTest, IconShowsTheDesktopIconPicturesPixelForPixel) {
  const QIcon icon = window_->windowIcon();
  for (const int side : {16, 32}) {
    SCOPED_TRACE(side);
    const QImage expected =
        QImage(QStringLiteral(NUMORIA_RESOURCES_DIR "/icon%1.png").arg(side))
            .convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(expected.size(), QSize(side, side));
    EXPECT_EQ(icon.pixmap(QSize(side, side)).toImage().convertToFormat(QImage::Format_ARGB32),
              expected);
  }
}

TEST_F(WindowTest, ResizingMovesNothing) {
  const auto geometries = [&] {
    std::vector<QRect> all;
    for (const QWidget* w : window_->findChildren<QWidget*>()) all.push_back(w->geometry());
    return all;
  };
  const std::vector<QRect> before = geometries();
  for (const QSize size : {QSize(900, 700), QSize(300, 200), QSize(634, 407)}) {
    window_->resize(size);
    QApplication::processEvents();
    EXPECT_EQ(geometries(), before);
  }
}

TEST_F(WindowTest, AutoSizeLabelFollowsItsCaptionFromAFixedCorner) {
  auto* label = Find<QLabel>(u"Label2");
  int last_width = 0;
  constexpr std::pair<std::u16string_view, bool> kSteps[] = {
      {u"计算结果为: 7", true}, {u"计算结果为: 0.333333333333333", true}, {u"公式有错误", false}};
  for (const auto& [caption, wider] : kSteps) {
    SCOPED_TRACE(ToQString(caption).toStdString());
    SetCaption(u"Label2", caption);
    EXPECT_EQ(label->pos(), QPoint(16, 24));
    EXPECT_EQ(label->size(), label->sizeHint());
    EXPECT_EQ(label->width() > last_width, wider);
    last_width = label->width();
  }
}

TEST_F(WindowTest, DisplayKeepsTheNewestDigitsOfALongEntry) {
  auto* display = Find<QLabel>(u"Display");
  display->setText(QString(5000, u'1') + QStringLiteral("23456789"));
  const QImage long_entry = display->grab().toImage();
  display->setText(QString(60, u'1') + QStringLiteral("23456789"));
  EXPECT_EQ(display->grab().toImage(), long_entry);
  display->setText(QStringLiteral("23456789"));
  EXPECT_NE(display->grab().toImage(), long_entry);
  // The single-line border lies on the label's own edges.
  const int middle = long_entry.height() / 2;
  EXPECT_EQ(long_entry.pixelColor(0, middle), display->palette().color(QPalette::WindowText));
  EXPECT_EQ(long_entry.pixelColor(long_entry.width() - 1, middle),
            display->palette().color(QPalette::WindowText));

  const QFontMetrics metrics = display->fontMetrics();
  const QString digits(5000, u'8');
  const qsizetype shown = VisibleTailLength(digits, metrics, 240);
  EXPECT_GE(metrics.horizontalAdvance(digits.right(shown)), 240);
  EXPECT_LT(shown, 100);
  EXPECT_EQ(VisibleTailLength(u"12", metrics, 240), 2);
  EXPECT_EQ(VisibleTailLength(u"", metrics, 240), 0);

  // The digits keep three pixels clear inside each border.
  display->setText(QString(100, u'8'));
  const QImage eights = display->grab().toImage();
  int inked = 0;
  for (int y = 1; y < eights.height() - 1; ++y) {
    for (const int x : {1, 2, 3, eights.width() - 4, eights.width() - 3, eights.width() - 2}) {
      inked += eights.pixelColor(x, y) != eights.pixelColor(1, 1) ? 1 : 0;
    }
  }
  EXPECT_EQ(inked, 0);
}

// A label breaks a caption only at blanks and only onto lines it shows;
// otherwise the caption shows from its start on one line, cut at the right:
// the left of its picture is that of the caption's start alone.
TEST_F(WindowTest, LabelsBreakOnlyAtBlanksOntoLinesTheyShow) {
  constexpr struct {
    std::u16string_view label, caption, start;
  } kCases[] = {
      {u"Label12", u"2026年12月7日 星期一 下午6时43分14秒", u"2026年12月7日 星期一 下午"}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(ToQString(c.caption).toStdString());
    SetCaption(c.label, c.caption);
    auto* label = Find<QLabel>(c.label);
    ASSERT_EQ(label->text(), ToQString(c.caption));
    const QImage shown = label->grab().toImage();
    SetCaption(c.label, c.start);
    EXPECT_TRUE(SameLeftOf(shown, label->grab().toImage(),
                           label->fontMetrics().horizontalAdvance(ToQString(c.start))));
  }
}

// A current price too wide for Labxj in the window's font is drawn narrower,
// whole on one line; a short one keeps the window's font and its look. The
// amounts come from the discount panel itself.
TEST_F(WindowTest, CurrentPriceShowsWholeAndAShortOneKeepsItsLook) {
  // clang-format off
  constexpr struct { std::string_view price; std::u16string_view shown; bool narrowed; } kCases[] = {
      {"100", u"70元", false}, {"99999999999999", u"69999999999999.3元", true},
      {"1.23456789012345E+200", u"8.64197523086415E+199元", true},
      {"7.7043991494099285E+307", u"5.39307940458695E+307元", true}, {"100", u"70元", false}};
  // clang-format on
  auto* label = Find<QLabel>(u"Labxj");
  const QFont window_font = label->parentWidget()->font();
  QImage short_one;
  for (const auto& c : kCases) {
    SCOPED_TRACE(ToQString(c.shown).toStdString());
    Use(u"Text2", c.price);
    Use(u"HScroll1", "[0]");
    Use(u"HScroll1", "[7]");
    ASSERT_EQ(label->text(), ToQString(c.shown));
    EXPECT_EQ(label->font() != window_font, c.narrowed);
    EXPECT_FALSE(label->wordWrap());
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width());
    if (!c.narrowed && short_one.isNull()) short_one = label->grab().toImage();
  }
  EXPECT_EQ(label->grab().toImage(), short_one);
}

// Every control that takes the focus looks different while it has it.
TEST_F(WindowTest, EveryFocusableControlShowsItsFocus) {
  std::vector<QWidget*> focusable;
  for (QWidget* widget : window_->findChildren<QWidget*>()) {
    if ((widget->focusPolicy() & Qt::TabFocus) != 0) focusable.push_back(widget);
  }
  ASSERT_EQ(focusable.size(), 25U);
  // As after a Tab: the style shows a button's focus once the keyboard moved it.
  window_->setAttribute(Qt::WA_KeyboardFocusChange);
  for (std::size_t i = 0; i < focusable.size(); ++i) {
    QWidget* widget = focusable[i];
    SCOPED_TRACE(widget->objectName().toStdString());
    focusable[(i + 1) % focusable.size()]->setFocus(Qt::TabFocusReason);
    const QImage without = widget->grab().toImage();
    widget->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(widget->hasFocus());
    EXPECT_NE(widget->grab().toImage(), without);
  }
  // A keypad key shows the focus a click gave it too: typed keys go there.
  window_->setAttribute(Qt::WA_KeyboardFocusChange, false);
  for (const std::u16string_view key : {u"clear", u"Digits(5)", u"Equals"}) {
    SCOPED_TRACE(ToQString(key).toStdString());
    auto* button = Find<QPushButton>(key);
    Find(u"Text1")->setFocus(Qt::MouseFocusReason);
    const QImage without = button->grab().toImage();
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_TRUE(button->hasFocus());
    EXPECT_NE(button->grab().toImage(), without);
  }
}

TEST_F(WindowTest, ClockIsEmptyUntilTheFirstTick) {
  const auto* timer = window_->findChild<QTimer*>(QStringLiteral("Timer1"));
  ASSERT_NE(timer, nullptr);
  EXPECT_EQ(timer->interval(), 600);
  EXPECT_TRUE(timer->isActive());
  EXPECT_TRUE(Shown(u"Label12").isEmpty());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Shown(u"Label12").isEmpty(); }, 2000));
  const QDateTime now = QDateTime::currentDateTime();
  const QString shown = Shown(u"Label12");
  EXPECT_TRUE(shown == ClockText(now, QLocale()) || shown == ClockText(now.addSecs(-1), QLocale()))
      << shown.toStdString();
}

TEST_F(WindowTest, TabVisitsTheControlsInTabIndexOrderBothWays) {
  const QStringList cycle = {
      "Equals",    "Div",       "Times",     "Minus",     "Plus",      "DotBttn",   "clear",
      "Over",      "PlusMinus", "Digits(9)", "Digits(8)", "Digits(7)", "Digits(6)", "Digits(5)",
      "Digits(4)", "Digits(3)", "Digits(2)", "Digits(1)", "Digits(0)", "Text1",     "Command1",
      "Text2",     "HScroll1",  "Text3",     "Text4"};
  ASSERT_EQ(FocusName(), QStringLiteral("Text3"));
  qsizetype at = cycle.indexOf(QStringLiteral("Text3"));
  for (const auto& [key, step] : {std::pair{Qt::Key_Tab, 1}, std::pair{Qt::Key_Backtab, -1}}) {
    for (qsizetype i = 0; i < cycle.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), key, step < 0 ? Qt::ShiftModifier : Qt::NoModifier);
      at = (at + step + cycle.size()) % cycle.size();
      ASSERT_EQ(FocusName(), cycle[at]) << (step < 0 ? "Shift+Tab " : "Tab ") << i;
    }
  }
}

TEST_F(WindowTest, ActivationFromAnotherWindowOfTheProgramFocusesTheAmountInput) {
  QWidget other;
  other.show();
  QApplication::setActiveWindow(&other);
  Find(u"Text1")->setFocus();
  QApplication::setActiveWindow(window_.get());
  EXPECT_EQ(FocusName(), QStringLiteral("Text3"));

  // Coming back from another application, or from a message box, leaves
  // the focus where it was.
  Find(u"Text1")->setFocus();
  QApplication::setActiveWindow(nullptr);
  QApplication::setActiveWindow(window_.get());
  EXPECT_EQ(FocusName(), QStringLiteral("Text1"));
  QMessageBox box;
  box.setWindowModality(Qt::ApplicationModal);
  box.show();
  QApplication::setActiveWindow(&box);
  box.close();
  QApplication::setActiveWindow(window_.get());
  EXPECT_EQ(FocusName(), QStringLiteral("Text1"));
}

// What a screen reader hears: every control a user can reach has a name,
// and the output labels are read by the text they show (the end-to-end run
// finds the keys by their names).
TEST_F(WindowTest, EveryControlHasAnAccessibleName) {
  const auto name_of = [&](std::u16string_view control) {
    const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(Find(control));
    return accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
  };
  for (const window::ControlDescription& entry : window::Description()) {
    using enum window::Kind;
    if (entry.kind == kForm || entry.kind == kTimer || entry.kind == kAction) continue;
    const bool focusable =
        entry.kind == kButton || entry.kind == kTextBox || entry.kind == kHScrollBar;
    // Labels that start empty are outputs, named by what they show (below).
    if (!focusable && entry.caption.empty()) continue;
    EXPECT_FALSE(name_of(entry.name).trimmed().isEmpty()) << ToQString(entry.name).toStdString();
  }
  // An empty output has a name of its own, not its frame's title: at start,
  // and again once emptied.
  constexpr std::u16string_view kEmpty[][2] = {
      {u"Display", u"计算器显示"}, {u"Labzhe", u"打折"}, {u"Labxj", u"现价"}};
  for (const auto& [control, heard] : kEmpty) EXPECT_EQ(name_of(control), ToQString(heard));
  // clang-format off
  constexpr std::u16string_view kOutputs[][3] = {
      {u"Display", u"15", u"15"}, {u"Display", u"ERROR", u"ERROR"}, {u"Labzhe", u"8折", u"8折"},
      {u"Labxj", u"80元", u"80元"}, {u"Labxj", u"", u"现价"}, {u"Display", u"", u"计算器显示"},
      {u"Label2", u"计算结果为: 7", u"计算结果为: 7"}, {u"Label12", u"2024/6/11 9:05:00", u"2024/6/11 9:05:00"}};
  // clang-format on
  for (const auto& [control, shown, heard] : kOutputs) {
    SetCaption(control, shown);
    EXPECT_EQ(name_of(control), ToQString(heard)) << ToQString(control).toStdString();
  }
}

}  // namespace
}  // namespace numoria::testing

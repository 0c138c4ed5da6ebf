#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>

#include "app/bindings.h"
#include "app/widget_controls.h"
#include "app/window_builder.h"
#include "gui_test.h"

namespace numoria::testing {
namespace {

using ToolsTest = GuiTest;

TEST_F(ToolsTest, EveryBindingFindsItsControl) {
  QWidget form;
  BuildWindow(form);
  WidgetControls controls(form);
  Keypad keypad(controls);
  const EventBindings bindings(form, {controls, keypad});
  EXPECT_TRUE(bindings.Unbound().empty());
}

TEST_F(ToolsTest, AmountIsWrittenInCapitalsAtEveryKeystroke) {
  auto* input = Find<QLineEdit>(u"Text3");
  auto* output = Find<QLineEdit>(u"Text4");
  const std::u16string_view kShown[] = {u"壹元", u"壹拾元", u"壹佰元", u"壹仟零壹元"};
  const QString typed = QStringLiteral("1001");
  for (qsizetype i = 0; i < typed.size(); ++i) {
    QTest::keyClick(input, typed.at(i).toLatin1());
    EXPECT_EQ(output->text(), ToQString(kShown[i])) << "after " << i + 1 << " keys";
  }
}

TEST_F(ToolsTest, FormulaIsEvaluatedByTheButtonOnly) {
  auto* formula = Find<QLineEdit>(u"Text1");
  auto* result = Find<QLabel>(u"Label2");
  const QString hint = result->text();
  QTest::keyClicks(formula, QStringLiteral("1+2*3"));
  QTest::keyClick(formula, Qt::Key_Return);
  EXPECT_EQ(result->text(), hint);

  constexpr struct { const char* typed; std::u16string_view shown; } kCases[] = {
      {"1+2*3", u"计算结果为: 7"}, {"sin(0)", u"计算结果为: 0"}, {"(1+2", u"公式有错误"}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.typed);
    formula->clear();
    QTest::keyClicks(formula, QString::fromLatin1(c.typed));
    QTest::mouseClick(Find<QPushButton>(u"Command1"), Qt::LeftButton);
    EXPECT_EQ(result->text(), ToQString(c.shown));
    EXPECT_EQ(formula->text(), QString::fromLatin1(c.typed));
  }
}

TEST_F(ToolsTest, WindowEvaluatesFormulasForAnyX) {
  // clang-format off
  constexpr struct { std::u16string_view formula; double x; bool good; double want; } kCases[] = {
      {u"2*(3+4)", 1, true, 14}, {u"X*X-1", 3, true, 8}, {u"x", 1, false, 0}, {u"1+2)", 1, false, 0}};
  // clang-format on
  for (const auto& c : kCases) {
    SCOPED_TRACE(ToQString(c.formula).toStdString());
    bool good = !c.good;
    const double value = window_->CalculateString(c.formula, good, c.x);
    EXPECT_EQ(good, c.good);
    EXPECT_EQ(value, c.good ? c.want : value);
  }
}

TEST_F(ToolsTest, KeypadAddsAndReportsOverflowInAMessage) {
  // Keys by the name of their button: "1" is "Digits(1)".
  const auto press = [&](const std::vector<QString>& keys) {
    for (const QString& key : keys) {
      const QString name = key.size() == 1 ? QStringLiteral("Digits(%1)").arg(key) : key;
      QTest::mouseClick(Find<QPushButton>(ToU16String(name)), Qt::LeftButton);
    }
  };
  press({"1", "2", "Plus", "3", "Equals"});
  auto* display = Find<QLabel>(u"Display");
  EXPECT_EQ(display->text(), QStringLiteral("15"));

  std::vector<std::pair<QString, QString>> messages;
  window_->controls().SetMessageHook([&](std::u16string_view text, std::u16string_view caption) {
    messages.emplace_back(ToQString(text), ToQString(caption));
  });
  // 1E+10 times 1E+10, then each = multiplies by 1E+10 again until it overflows.
  const std::vector<QString> ten_digits = {"1", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"};
  press(ten_digits), press({"Times"}), press(ten_digits);
  for (int i = 0; i < 40 && messages.empty(); ++i) press({"Equals"});
  ASSERT_EQ(messages.size(), 1U);
  EXPECT_TRUE(messages[0].first.startsWith(QStringLiteral("此操作产生如下错误：\r\n")));
  EXPECT_EQ(messages[0].second, QStringLiteral("Numoria"));
  EXPECT_EQ(display->text(), QStringLiteral("ERROR"));
}

TEST_F(ToolsTest, EnterOrSpacePressesTheFocusedKey) {
  auto* seven = Find<QPushButton>(u"Digits(7)");
  seven->setFocus();
  QTest::keyClick(seven, Qt::Key_Return);
  QTest::keyClick(seven, Qt::Key_Space);
  EXPECT_EQ(Find<QLabel>(u"Display")->text(), QStringLiteral("77"));
}

TEST_F(ToolsTest, DiscountFollowsKeysAtOnceAndADragOnlyOnRelease) {
  QTest::keyClicks(Find<QLineEdit>(u"Text2"), QStringLiteral("100"));
  auto* bar = Find<QScrollBar>(u"HScroll1");
  auto* discount = Find<QLabel>(u"Labzhe");
  auto* price = Find<QLabel>(u"Labxj");
  bar->setFocus();
  QTest::keyClick(bar, Qt::Key_Right);
  EXPECT_EQ(discount->text(), QStringLiteral("1折"));
  EXPECT_EQ(price->text(), QStringLiteral("10元"));
  QTest::keyClick(bar, Qt::Key_Left);
  EXPECT_EQ(discount->text(), QStringLiteral("0折"));
  QTest::keyClick(bar, Qt::Key_Right);

  QStyleOptionSlider option;
  option.initFrom(bar);
  option.orientation = Qt::Horizontal;
  option.state |= QStyle::State_Horizontal;
  option.minimum = bar->minimum();
  option.maximum = bar->maximum();
  option.sliderPosition = option.sliderValue = bar->value();
  option.singleStep = bar->singleStep();
  option.pageStep = bar->pageStep();
  option.subControls = QStyle::SC_All;
  const QPoint thumb =
      bar->style()
          ->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar)
          .center();
  QSignalSpy changes(bar, &QScrollBar::valueChanged);
  QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, thumb);
  for (int dx = 20; dx <= 120; dx += 20) {
    QTest::mouseMove(bar, thumb + QPoint(dx, 0));
  }
  EXPECT_GT(bar->sliderPosition(), 1);
  EXPECT_EQ(changes.count(), 0);
  EXPECT_EQ(discount->text(), QStringLiteral("1折"));
  QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, thumb + QPoint(120, 0));
  EXPECT_EQ(changes.count(), 1);
  EXPECT_EQ(discount->text(), QString::number(bar->value()) + QStringLiteral("折"));
  EXPECT_EQ(price->text(), QString::number(bar->value() * 10) + QStringLiteral("元"));
}

}  // namespace
}  // namespace numoria::testing

#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QToolTip>

#include "app/qt/text_box.h"
#include "gui_test.h"

namespace numoria::testing {
namespace {

using TextBoxTest = GuiTest;

// The ways a text reaches a box: typed, committed by an input method, pasted
// by Ctrl+V, Shift+Insert, the menu's paste or the middle button, dropped.
// False when the menu had no paste or the drop was not accepted.
enum class Path { kType, kCommit, kCtrlV, kShiftInsert, kMenu, kMiddle, kDrop };

bool Enter(TextBox& box, Path path, const QString& input) {
  QApplication::clipboard()->setText(input);
  switch (path) {
    case Path::kType:
      for (const QChar ch : input) QTest::sendKeyEvent(QTest::Click, &box, Qt::Key_unknown, ch, {});
      break;
    case Path::kCommit: {
      QInputMethodEvent commit;
      commit.setCommitString(input);
      QApplication::sendEvent(&box, &commit);
      break;
    }
    case Path::kCtrlV:
      QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
      break;
    case Path::kShiftInsert:
      QTest::keyClick(&box, Qt::Key_Insert, Qt::ShiftModifier);
      break;
    case Path::kMenu: {
      const std::unique_ptr<QMenu> menu(box.CreateContextMenu());
      // Found by its key, which no translation changes.
      const QString key = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
      QAction* paste = nullptr;
      for (QAction* action : menu->actions()) {
        if (action->text().endsWith(u'\t' + key)) paste = action;
      }
      if (paste == nullptr) return false;
      paste->trigger();
      break;
    }
    case Path::kMiddle:
      QApplication::clipboard()->setText(input, QClipboard::Selection);
      QTest::mouseClick(&box, Qt::MiddleButton);
      break;
    case Path::kDrop: {
      QMimeData data;
      data.setText(input);
      QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, {});
      QApplication::sendEvent(&box, &enter);
      QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, {});
      QApplication::sendEvent(&box, &drop);
      return drop.isAccepted();
    }
  }
  return true;
}

// An amount too wide for Text4 in the window's font is drawn narrower and
// shows whole, from its first character; one that fits keeps the font, and
// so its look, exactly.
TEST_F(TextBoxTest, WrittenAmountShowsWholeAndAShortOneKeepsItsLook) {
  auto* text4 = Find<QLineEdit>(u"Text4");
  const QFont window_font = text4->parentWidget()->font();
  Use(u"Text3", "1001");
  const QImage short_one = text4->grab().toImage();
  for (const char* amount : {"2147483647", "1111111111", "1999999999", "1001"}) {
    SCOPED_TRACE(amount);
    Use(u"Text4", "");
    Use(u"Text3", amount);
    const bool fits =
        QFontMetrics(window_font).horizontalAdvance(text4->text()) < LineArea(*text4).width() - 4;
    EXPECT_EQ(text4->font() == window_font, fits);
    EXPECT_EQ(text4->testAttribute(Qt::WA_SetFont), !fits);
    EXPECT_LE(text4->fontMetrics().horizontalAdvance(text4->text()), LineArea(*text4).width() - 4);
    EXPECT_GE(text4->font().pixelSize(), window_font.pixelSize() - 1);
    EXPECT_EQ(text4->cursorPosition(), 0);
    // The cursor at the first character stands at the box's left edge, so
    // the text is not scrolled.
    EXPECT_LT(text4->inputMethodQuery(Qt::ImCursorRectangle).toRect().left(), 6);
  }
  EXPECT_EQ(text4->grab().toImage(), short_one);
}

// Typed, committed by an input method or pasted: what each box stores, and
// that each change is one notification.
TEST_F(TextBoxTest, BoxesStoreFullWidthAsAsciiAndPastesWithoutInvisibleEdges) {
  // clang-format off
  const struct { Path path; std::u16string_view box, input, want; int changes; } kCases[] = {
      // Each box once through its folding or cleaning rule (the rules' own
      // rows are textnum's), each way in at least once.
      {Path::kType, u"Text3", u"１２３．５", u"123.5", 5},
      {Path::kType, u"Text3", u"１２３４５６７８９０１２", u"1234567890", 10},
      {Path::kType, u"Text1", u"ｓｉｎ（ｘ）＊２　", u"sin(x)*2 ", 9}, {Path::kType, u"Text4", u"１２", u"１２", 2},
      {Path::kCommit, u"Text3", u"１２３４５６７８９０１２", u"1234567890", 1},
      {Path::kCommit, u"Text2", u"　１００　", u" 100 ", 1},
      {Path::kCtrlV, u"Text3", u"人民币1,234.50", u"1234.50", 1}, {Path::kCtrlV, u"Text2", u"￥100", u"100", 1},
      {Path::kCtrlV, u"Text1", u"1+2\r\n*3\n", u"1+2 *3", 1}, {Path::kCtrlV, u"Text4", u" 1\r\n", u" 1\r\n", 1},
      {Path::kShiftInsert, u"Text3", u"　１，２３４．５０元\n", u"1234.50", 1},
      {Path::kMenu, u"Text3", u"1,234.50元\r\n", u"1234.50", 1}, {Path::kDrop, u"Text3", u"RMB 99.5\n", u"99.5", 1}};
  // clang-format on
  for (const auto& c : kCases) {
    const QString input = ToQString(c.input);
    SCOPED_TRACE(ToQString(c.box).toStdString() + " " + input.toStdString());
    auto* box = Find<TextBox>(c.box);
    box->clear();
    box->setFocus();
    const QSignalSpy changes(box, &QLineEdit::textChanged);
    EXPECT_TRUE(Enter(*box, c.path, input));
    EXPECT_EQ(box->text(), ToQString(c.want));
    EXPECT_EQ(changes.count(), c.changes);
    // Folding keeps the undo history (a rewriting validator would clear it).
    EXPECT_TRUE(box->isUndoAvailable());
  }
  // The converter saw the folded amount; each paste stays its own undo step.
  auto* text3 = Find<QLineEdit>(u"Text3");
  text3->clear();
  QTest::keyClicks(text3, QStringLiteral("12"));
  QApplication::clipboard()->setText(QStringLiteral("３ "));
  QTest::keyClick(text3, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Shown(u"Text4"), QStringLiteral("壹佰贰拾叁元"));
  text3->undo();
  EXPECT_EQ(Shown(u"Text3"), QStringLiteral("12"));
}

// A paste that does not fit whole, or whose cells would run together, leaves
// the box as it was and says why at the box.
TEST_F(TextBoxTest, RefusedPasteInsertsNothingAndSaysWhy) {
  constexpr std::u16string_view kTooLong = u"金额最多 10 个字符，未粘贴";
  constexpr std::u16string_view kSeveral = u"粘贴内容含多个数值，未粘贴";
  // clang-format off
  const struct { Path path; std::u16string_view box, before, pasted, notice; } kCases[] = {
      {Path::kCtrlV, u"Text3", u"", u"12345678901", kTooLong},
      {Path::kCtrlV, u"Text3", u"", u"￥12,345,678.95", kTooLong},
      {Path::kMiddle, u"Text3", u"5", u"123456789.5", kTooLong},
      {Path::kDrop, u"Text3", u"12345", u"123456", kTooLong},
      {Path::kCtrlV, u"Text3", u"", u"100\n200\n", kSeveral},
      {Path::kCtrlV, u"Text2", u"", u"100\t200", kSeveral},
      {Path::kCtrlV, u"Text1", u"1+1", u"100\n200\n", kSeveral},
      {Path::kDrop, u"Text1", u"", u"100\r\n200\r\n300", kSeveral}};
  // clang-format on
  for (const auto& c : kCases) {
    SCOPED_TRACE(ToQString(c.box).toStdString() + " " + ToQString(c.pasted).toStdString());
    auto* box = Find<TextBox>(c.box);
    box->setText(ToQString(c.before));
    box->setFocus();
    QToolTip::hideText();
    const QSignalSpy changes(box, &QLineEdit::textChanged);
    Enter(*box, c.path, ToQString(c.pasted));
    EXPECT_EQ(box->text(), ToQString(c.before));
    EXPECT_EQ(changes.count(), 0);
    if (c.path != Path::kMiddle || QApplication::clipboard()->supportsSelection()) {
      EXPECT_EQ(QToolTip::text(), ToQString(c.notice));
    }
  }
  // A typed character the full box refuses is told the same way.
  QToolTip::hideText();
  Use(u"Text3", "123456789.55");
  EXPECT_EQ(Shown(u"Text3"), QStringLiteral("123456789."));
  EXPECT_EQ(QToolTip::text(), QStringLiteral("金额最多 10 个字符，未输入"));
}

}  // namespace
}  // namespace numoria::testing

#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>

#include "app/qt/text_box.h"
#include "gui_test.h"

namespace numoria::testing {
namespace {

using TextBoxTest = GuiTest;

// A written amount too long for Text4 shows its head; the tail is cut.
TEST_F(TextBoxTest, WrittenTextShowsFromItsFirstCharacter) {
  auto* text4 = Find<QLineEdit>(u"Text4");
  for (const char* amount : {"2147483647", "1111111111", "1999999999"}) {
    SCOPED_TRACE(amount);
    Use(u"Text4", "");
    Use(u"Text3", amount);
    ASSERT_GT(text4->fontMetrics().horizontalAdvance(text4->text()), text4->width());
    EXPECT_EQ(text4->cursorPosition(), 0);
    const QImage shown = text4->grab().toImage();
    // The cursor at the first character stands at the box's left edge, so
    // the text is not scrolled.
    EXPECT_LT(text4->inputMethodQuery(Qt::ImCursorRectangle).toRect().left(), 6);
    text4->setText(text4->text().left(3));
    text4->setCursorPosition(0);
    EXPECT_TRUE(SameLeftOf(shown, text4->grab().toImage(),
                           text4->fontMetrics().horizontalAdvance(text4->text())));
  }
}

// Typed, committed by an input method or pasted: what each box stores, and
// that each change is one notification.
TEST_F(TextBoxTest, BoxesStoreFullWidthAsAsciiAndPastesWithoutInvisibleEdges) {
  enum class Path { kType, kCommit, kCtrlV, kShiftInsert, kMenu, kDrop };
  // clang-format off
  const struct { Path path; std::u16string_view box, input, want; int changes; } kCases[] = {
      {Path::kType, u"Text3", u"１２３．５", u"123.5", 5},
      {Path::kType, u"Text3", u"１２３４５６７８９０１２", u"1234567890", 10},
      {Path::kType, u"Text1", u"ｓｉｎ（ｘ）＊２　", u"sin(x)*2 ", 9},
      {Path::kType, u"Text4", u"１２", u"１２", 2},
      {Path::kCommit, u"Text3", u"１２３．５", u"123.5", 1},
      {Path::kCommit, u"Text3", u"１２３４５６７８９０１２", u"1234567890", 1},
      {Path::kCommit, u"Text2", u"　１００　", u" 100 ", 1},
      {Path::kCtrlV, u"Text3", u"1234.56\r\n", u"1234.56", 1},
      {Path::kCtrlV, u"Text3", u"￥1,234,567,890.50", u"1234567890", 1},
      {Path::kCtrlV, u"Text3", u"12,5", u"12,5", 1},
      {Path::kCtrlV, u"Text2", u" 1,234.50\t", u"1,234.50", 1},
      {Path::kCtrlV, u"Text1", u"1+2\r\n*3\n", u"1+2 *3", 1},
      {Path::kCtrlV, u"Text4", u" 1\r\n", u" 1\r\n", 1},
      {Path::kShiftInsert, u"Text3", u"　１，２３４．５０元\n", u"1234.50", 1},
      {Path::kMenu, u"Text3", u"1,234.50元\r\n", u"1234.50", 1},
      {Path::kMenu, u"Text1", u"\t(1+2)\r\n", u"(1+2)", 1},
      {Path::kDrop, u"Text3", u"RMB 99.5\n", u"99.5", 1},
      {Path::kDrop, u"Text2", u"\n８８\n", u"88", 1}};
  // clang-format on
  for (const auto& c : kCases) {
    const QString input = ToQString(c.input);
    SCOPED_TRACE(ToQString(c.box).toStdString() + " " + input.toStdString());
    auto* box = Find<TextBox>(c.box);
    box->clear();
    box->setFocus();
    const QSignalSpy changes(box, &QLineEdit::textChanged);
    QApplication::clipboard()->setText(input);
    switch (c.path) {
      case Path::kType:
        for (const QChar ch : input) QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, ch, {});
        break;
      case Path::kCommit: {
        QInputMethodEvent commit;
        commit.setCommitString(input);
        QApplication::sendEvent(box, &commit);
        break;
      }
      case Path::kCtrlV:
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        break;
      case Path::kShiftInsert:
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        break;
      case Path::kMenu: {
        const std::unique_ptr<QMenu> menu(box->CreateContextMenu());
        // Found by its key, which no translation changes.
        const QString key = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
        QAction* paste = nullptr;
        for (QAction* action : menu->actions()) {
          if (action->text().endsWith(u'\t' + key)) paste = action;
        }
        ASSERT_NE(paste, nullptr);
        paste->trigger();
        break;
      }
      case Path::kDrop: {
        QMimeData data;
        data.setText(input);
        QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(box, &enter);
        QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(box, &drop);
        EXPECT_TRUE(drop.isAccepted());
        break;
      }
    }
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

}  // namespace
}  // namespace numoria::testing

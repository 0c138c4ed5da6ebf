#include "app/qt/text_box.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMenu>
#include <QMimeData>

#include "app/qt/qt_text.h"
#include "textnum/typed_text.h"

namespace numoria {

TextBox::TextBox(Input input, QWidget* parent) : QLineEdit(parent), input_(input) {}

QString TextBox::Stored(const QString& typed) const {
  if (input_ == Input::kAsTyped) return typed;
  return ToQString(FoldFullWidth(ToU16String(typed)));
}

QString TextBox::StoredPaste(const QString& pasted) const {
  switch (input_) {
    case Input::kAsTyped:
      break;
    case Input::kLine:
      return ToQString(PastedLine(ToU16String(pasted)));
    case Input::kAmount:
      return ToQString(PastedAmount(ToU16String(pasted)));
  }
  return pasted;
}

void TextBox::PasteCleaned(QClipboard::Mode mode) {
  if (isReadOnly()) return;
  const QString pasted = StoredPaste(QApplication::clipboard()->text(mode));
  // As the toolkit's paste: an empty clipboard still replaces a selection.
  if (pasted.isEmpty() && !hasSelectedText()) return;
  // As the toolkit's paste, too, the paste is an undo step of its own.
  // Replacing a selection starts one anyway; otherwise moving the cursor
  // does, and a paste alone is nothing to merge with.
  if (!hasSelectedText() && !text().isEmpty()) {
    const int at = cursorPosition();
    setCursorPosition(at > 0 ? at - 1 : at + 1);
    setCursorPosition(at);
  }
  insert(pasted);
}

void TextBox::keyPressEvent(QKeyEvent* event) {
  if (input_ == Input::kAsTyped) return QLineEdit::keyPressEvent(event);
  if (event->matches(QKeySequence::Paste) && !isReadOnly()) {
    // KDE's scheme pastes the selection on Ctrl+Shift+Insert.
    const bool selection = event->key() == Qt::Key_Insert &&
                           event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier);
    PasteCleaned(selection ? QClipboard::Selection : QClipboard::Clipboard);
    event->accept();
    return;
  }
  const QString stored = Stored(event->text());
  if (stored == event->text()) return QLineEdit::keyPressEvent(event);
  QKeyEvent folded(event->type(), event->key(), event->modifiers(), event->nativeScanCode(),
                   event->nativeVirtualKey(), event->nativeModifiers(), stored,
                   event->isAutoRepeat(), static_cast<quint16>(event->count()), event->device());
  QLineEdit::keyPressEvent(&folded);
  event->setAccepted(folded.isAccepted());
}

void TextBox::inputMethodEvent(QInputMethodEvent* event) {
  const QString stored = Stored(event->commitString());
  if (stored == event->commitString()) return QLineEdit::inputMethodEvent(event);
  // The composition is shown as the input method writes it; only the
  // committed text is stored folded.
  QInputMethodEvent folded(event->preeditString(), event->attributes());
  folded.setCommitString(stored, event->replacementStart(), event->replacementLength());
  QLineEdit::inputMethodEvent(&folded);
  event->setAccepted(folded.isAccepted());
}

void TextBox::mouseReleaseEvent(QMouseEvent* event) {
  // The middle button pastes the selection where the platform has one (X11).
  if (input_ != Input::kAsTyped && event->button() == Qt::MiddleButton && !isReadOnly() &&
      QApplication::clipboard()->supportsSelection()) {
    deselect();
    PasteCleaned(QClipboard::Selection);
    event->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

void TextBox::dropEvent(QDropEvent* event) {
  // Text moved inside the box is the box's own already.
  const QMimeData* data = event->mimeData();
  if (input_ == Input::kAsTyped || event->source() == this || data == nullptr ||
      !data->hasText()) {
    return QLineEdit::dropEvent(event);
  }
  QMimeData cleaned;
  cleaned.setText(StoredPaste(data->text()));
  QDropEvent drop(event->position(), event->possibleActions(), &cleaned, event->buttons(),
                  event->modifiers(), event->type());
  drop.setDropAction(event->dropAction());
  QLineEdit::dropEvent(&drop);
  event->setDropAction(drop.dropAction());
  event->setAccepted(drop.isAccepted());
}

QMenu* TextBox::CreateContextMenu() {
  QMenu* menu = createStandardContextMenu();
  if (input_ != Input::kAsTyped) {
    // The toolkit connects its paste action to paste(), which is no virtual
    // function, by name or by pointer as its version has it; that action
    // pastes through the box instead.
    const QMetaMethod triggered = QMetaMethod::fromSignal(&QAction::triggered);
    const QMetaMethod paste = metaObject()->method(metaObject()->indexOfSlot("paste()"));
    for (QAction* action : menu->actions()) {
      if (disconnect(action, triggered, this, paste) ||
          disconnect(action, &QAction::triggered, this, &QLineEdit::paste)) {
        connect(action, &QAction::triggered, this, [this] { PasteCleaned(QClipboard::Clipboard); });
      }
    }
  }
  if (const QList<QAction*> own = actions(); !own.isEmpty()) {
    QAction* first = menu->actions().value(0);
    menu->insertActions(first, own);
    menu->insertSeparator(first);
  }
  return menu;
}

void TextBox::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = CreateContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

}  // namespace numoria

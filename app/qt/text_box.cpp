#include "app/qt/text_box.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMenu>
#include <QMimeData>
#include <QToolTip>
#include <algorithm>

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
    case Input::kPrice:
      return ToQString(PastedPrice(ToU16String(pasted)));
    case Input::kAmount:
      return ToQString(PastedAmount(ToU16String(pasted)));
  }
  return pasted;
}

qsizetype TextBox::Room() const {
  return std::max<qsizetype>(0, maxLength() - (text().size() - selectedText().size()));
}

bool TextBox::Refuses(const QString& pasted, const QString& stored, qsizetype room) {
  const PasteRefusal refusal =
      RefusedPaste(ToU16String(pasted), static_cast<std::size_t>(stored.size()),
                   input_ != Input::kLine, static_cast<std::size_t>(room));
  if (refusal == PasteRefusal::kNone) return false;
  Notify(ToQString(PasteRefusalNotice(refusal, maxLength())));
  return true;
}

void TextBox::Notify(const QString& notice) {
  QToolTip::showText(mapToGlobal(QPoint(0, height())), notice, this);
}

void TextBox::PasteCleaned(QClipboard::Mode mode) {
  if (isReadOnly()) return;
  const QString clipboard = QApplication::clipboard()->text(mode);
  const QString pasted = StoredPaste(clipboard);
  if (Refuses(clipboard, pasted, Room())) return;
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
  // QLineEdit types a key's text when it starts with a printable character
  // and Ctrl (with or without Shift) does not make the key a shortcut.
  const Qt::KeyboardModifiers held = event->modifiers() & ~Qt::KeypadModifier;
  const bool shortcut =
      held == Qt::ControlModifier || held == (Qt::ControlModifier | Qt::ShiftModifier);
  const bool refused = !isReadOnly() && !shortcut && !stored.isEmpty() &&
                       stored.front().isPrint() && stored.size() > Room();
  if (stored == event->text()) {
    QLineEdit::keyPressEvent(event);
  } else {
    QKeyEvent folded(event->type(), event->key(), event->modifiers(), event->nativeScanCode(),
                     event->nativeVirtualKey(), event->nativeModifiers(), stored,
                     event->isAutoRepeat(), static_cast<quint16>(event->count()), event->device());
    QLineEdit::keyPressEvent(&folded);
    event->setAccepted(folded.isAccepted());
  }
  if (refused) {
    Notify(ToQString(TypingRefusalNotice(maxLength())));
    emit TypingRefused();
  }
}

void TextBox::inputMethodEvent(QInputMethodEvent* event) {
  const QString stored = Stored(event->commitString());
  // A commit is typing: the box takes what fits, and tells of the rest.
  const bool refused = !isReadOnly() && stored.size() > Room();
  if (stored == event->commitString()) {
    QLineEdit::inputMethodEvent(event);
  } else {
    // The composition is shown as the input method writes it; only the
    // committed text is stored folded.
    QInputMethodEvent folded(event->preeditString(), event->attributes());
    folded.setCommitString(stored, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&folded);
    event->setAccepted(folded.isAccepted());
  }
  if (refused) {
    Notify(ToQString(TypingRefusalNotice(maxLength())));
    emit TypingRefused();
  }
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
  const QString stored = StoredPaste(data->text());
  // A drop inserts at the drop point, replacing nothing.
  if (Refuses(data->text(), stored, std::max<qsizetype>(0, maxLength() - text().size()))) {
    event->ignore();
    return;
  }
  QMimeData cleaned;
  cleaned.setText(stored);
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

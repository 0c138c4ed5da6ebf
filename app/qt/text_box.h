#pragma once

#include <QClipboard>
#include <QLineEdit>

#include "app/window_description.h"

class QMenu;

namespace numoria {

// A one-line text box that stores what a user means by what he types or
// pastes: full-width characters from a Chinese input method as ASCII, and a
// pasted text without the blanks and line breaks around it. A paste that
// would run several values together, or that does not fit the maximum
// length whole, inserts nothing; a tooltip at the box says why. Typing stops
// at the maximum length, and a refused character is told the same way.
//
// The actions added to the box (addAction) head its context menu, above the
// toolkit's own edit actions.
class TextBox : public QLineEdit {
  Q_OBJECT

 public:
  using Input = window::Input;

  TextBox(Input input, QWidget* parent);

  // The context menu the box shows: its own actions, then the toolkit's
  // standard ones, whose paste cleans the text as every paste does.
  [[nodiscard]] QMenu* CreateContextMenu();

 signals:
  // A typed or committed character was refused: the box was full.
  void TypingRefused();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  [[nodiscard]] QString Stored(const QString& typed) const;
  [[nodiscard]] QString StoredPaste(const QString& pasted) const;
  // How many characters the box still takes in place of the selection.
  [[nodiscard]] qsizetype Room() const;
  // Whether a paste of pasted, cleaned to stored, is refused; if so, says
  // why at the box.
  [[nodiscard]] bool Refuses(const QString& pasted, const QString& stored, qsizetype room);
  void Notify(const QString& notice);
  void PasteCleaned(QClipboard::Mode mode);

  Input input_;
};

}  // namespace numoria

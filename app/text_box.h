#pragma once

#include <QClipboard>
#include <QLineEdit>

#include "app/window_description.h"

class QMenu;

namespace numoria {

// A one-line text box that stores what a user means by what he types or
// pastes: full-width characters from a Chinese input method as ASCII, and a
// pasted text without the blanks and line breaks around it. Every paste
// goes through insert(), so a maximum length cuts it to the room left.
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

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  [[nodiscard]] QString Stored(const QString& typed) const;
  [[nodiscard]] QString StoredPaste(const QString& pasted) const;
  void PasteCleaned(QClipboard::Mode mode);

  Input input_;
};

}  // namespace numoria

#pragma once

#include <QFontMetrics>
#include <QLabel>
#include <QStringView>

namespace numoria {

// How many characters from the end of text fill width pixels, counting the
// one cut by the left edge and one more to allow for kerning. Looks only at
// the characters that can show, so a text of any length costs the same.
[[nodiscard]] qsizetype VisibleTailLength(QStringView text, const QFontMetrics& metrics, int width);

// A single-line, right-aligned label that keeps the end of a text too long
// for it in view: the newest digits typed on the keypad stay visible and the
// start of the number is cut at the left edge.
class TailLabel : public QLabel {
 public:
  explicit TailLabel(QWidget* parent);

  // Where the text is drawn: inside the border, with a little air at the
  // sides. Contents margins would move the border inwards too, away from the
  // label's edge.
  [[nodiscard]] QRect TextArea() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace numoria

#include "app/qt/tail_label.h"

#include <QPainter>

namespace numoria {

qsizetype VisibleTailLength(QStringView text, const QFontMetrics& metrics, int width) {
  qsizetype length = 0;
  int used = 0;
  while (length < text.size() && used < width) {
    qsizetype step = 1;
    const qsizetype last = text.size() - length - 1;
    if (text.at(last).isLowSurrogate() && last > 0 && text.at(last - 1).isHighSurrogate()) {
      step = 2;
    }
    used += metrics.horizontalAdvance(text.mid(text.size() - length - step, step).toString());
    length += step;
  }
  return length < text.size() ? length + 1 : length;
}

TailLabel::TailLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

QRect TailLabel::TextArea() const {
  constexpr int kPadding = 3;
  return contentsRect().adjusted(kPadding, 0, -kPadding, 0);
}

void TailLabel::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  drawFrame(&painter);
  const QRect area = TextArea();
  const QString shown = text();
  const QStringView tail =
      QStringView(shown).right(VisibleTailLength(shown, fontMetrics(), area.width()));
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
  painter.setClipRect(area);
  painter.drawText(area, static_cast<int>(alignment()) | Qt::TextSingleLine, tail.toString());
}

}  // namespace numoria

#include "app/qt/frame.h"

#include <QPainter>

namespace numoria {
namespace {

constexpr int kCaptionIndent = 8;
constexpr int kCaptionPadding = 2;

}  // namespace

void Frame::SetCaptionColour(const QColor& colour) {
  caption_colour_ = colour;
  update();
}

void Frame::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const QFontMetrics metrics = fontMetrics();
  // The top edge runs through the middle of the caption's line.
  const QRect edge = rect().adjusted(0, metrics.height() / 2, -1, -1);
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawRect(edge.adjusted(0, 0, -1, -1));
  painter.setPen(palette().color(QPalette::Light));
  painter.drawRect(edge.adjusted(1, 1, 0, 0));

  const QString caption = title();
  if (caption.isEmpty()) return;
  const QRect caption_rect(kCaptionIndent, 0,
                           metrics.horizontalAdvance(caption) + 2 * kCaptionPadding,
                           metrics.height());
  painter.fillRect(caption_rect, palette().window());
  painter.setPen(caption_colour_.isValid() ? caption_colour_
                                           : palette().color(QPalette::WindowText));
  painter.drawText(caption_rect, Qt::AlignCenter | Qt::TextSingleLine, caption);
}

}  // namespace numoria

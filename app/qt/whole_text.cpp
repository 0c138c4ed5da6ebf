#include "app/qt/whole_text.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include "textnum/text_fit.h"

namespace numoria {
namespace {

// QLineEdit keeps this many pixels free at either side of its line.
constexpr int kLineEditMargin = 2;

[[nodiscard]] QFont FontOf(const QFont& natural, const TextFit& fit) {
  QFont font = natural;
  font.setPixelSize(fit.pixel_size);
  font.setStretch(fit.stretch);
  return font;
}

// Gives widget the font that shows text whole within available pixels.
void Fit(QWidget& widget, const QString& text, int available) {
  const QWidget* parent = widget.parentWidget();
  const QFont natural = parent != nullptr ? parent->font() : QApplication::font();
  const int pixel_size = QFontInfo(natural).pixelSize();
  const TextFit fit = FitText(pixel_size, available, [&](const TextFit& f) {
    return QFontMetrics(FontOf(natural, f)).horizontalAdvance(text);
  });
  if (fit == TextFit{100, pixel_size}) {
    // The parent's font again, exactly as before any narrowing.
    if (widget.testAttribute(Qt::WA_SetFont)) widget.setFont(QFont());
    return;
  }
  if (const QFont font = FontOf(natural, fit); widget.font() != font) widget.setFont(font);
}

}  // namespace

void ShowWhole(QLabel& label) {
  Fit(label, label.text(), label.contentsRect().width() - 2 * label.margin());
}

void ShowWhole(QLineEdit& box) {
  QStyleOptionFrame option;
  option.initFrom(&box);
  option.lineWidth = box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box);
  const QRect line = box.style()
                         ->subElementRect(QStyle::SE_LineEditContents, &option, &box)
                         .marginsRemoved(box.textMargins());
  Fit(box, box.text(), line.width() - 2 * kLineEditMargin);
}

}  // namespace numoria

#include "app/qt/label_wrap.h"

#include <QTextLayout>

namespace numoria {
namespace {

// True where the caption laid out at the label's width, as the label draws a
// word-wrapped caption, takes more than one line, every line but the last
// ending in a blank, and all of them fit the label's height.
[[nodiscard]] bool WrapsWholeAtBlanks(const QLabel& label) {
  const QString text = label.text();
  // Most captions have no blank at all; they need no layout to know.
  if (!text.contains(u' ')) return false;
  const QRect area = label.contentsRect();
  QTextLayout layout(text, label.font(), &label);  // the fonts the label paints with
  QTextOption option;
  option.setWrapMode(QTextOption::WordWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  qreal height = 0;
  int lines = 0;
  bool at_blanks = true;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(area.width());
    const qsizetype end = line.textStart() + line.textLength();
    if (end < text.size()) at_blanks = at_blanks && end > 0 && text.at(end - 1) == u' ';
    height += line.height();
    ++lines;
  }
  layout.endLayout();
  return lines > 1 && at_blanks && height <= area.height();
}

}  // namespace

bool WrapsCaption(const window::ControlDescription& entry) {
  return entry.kind == window::Kind::kLabel && !entry.auto_size &&
         entry.alignment != window::Alignment::kRight;
}

void WrapAtBlanksOnly(QLabel& label) { label.setWordWrap(WrapsWholeAtBlanks(label)); }

}  // namespace numoria

#pragma once

#include <QColor>
#include <QGroupBox>

namespace numoria {

// A group box drawn as an etched rectangle with its caption set into the top
// edge at the left, the caption in a colour of its own. Styles that put the
// caption above the rectangle would run the top edge through the controls of
// a low frame; and the caption's colour stays out of the palette the
// controls inside inherit.
class Frame : public QGroupBox {
 public:
  using QGroupBox::QGroupBox;

  void SetCaptionColour(const QColor& colour);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor caption_colour_;
};

}  // namespace numoria

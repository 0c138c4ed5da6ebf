#pragma once

class QLabel;
class QLineEdit;

namespace numoria {

// Shows an output's text whole (textnum/text_fit.h): in the parent's font,
// untouched, when it fits; narrowed in stretch, then in size, when it does
// not. Call after each change of the text.
void ShowWhole(QLabel& label);
void ShowWhole(QLineEdit& box);

}  // namespace numoria

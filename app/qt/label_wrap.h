#pragma once

#include <QLabel>

#include "app/window_description.h"

namespace numoria {

// Whether a label of this description may break its caption onto more lines:
// every label but an auto-size one and the right-aligned display.
[[nodiscard]] bool WrapsCaption(const window::ControlDescription& entry);

// Lets a label break its caption only at blanks and only onto lines it can
// show. Qt's word wrap also breaks between Chinese characters and inside
// numbers ("69999999999999." above "3元"), so word wrap is switched on for a
// caption only where every break it makes falls after a blank and all its
// lines fit the label's height; any other caption stays on one line, cut at
// the label's right edge. Call it after each change of the caption; the
// label keeps painting itself.
void WrapAtBlanksOnly(QLabel& label);

}  // namespace numoria

#pragma once

#include "controls/controls.h"

namespace numoria {

// Click handler of Command1: evaluates Text1 (a-z upper-cased, X = 1) and
// shows the result or "公式有错误" in Label2.
void Command1_Click(Controls& controls);

}  // namespace numoria

#pragma once

#include "controls/controls.h"

namespace numoria {

// Activate handler of Form1: limits the amount input Text3 to 10 characters
// and gives it the keyboard focus.
void Form_Activate(Controls& controls);

}  // namespace numoria

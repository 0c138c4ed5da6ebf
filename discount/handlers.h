#pragma once

#include "controls/controls.h"

namespace numoria {

// Change handler of HScroll1: shows the discount in Labzhe and the current
// price of Text2's price in Labxj.
void HScroll1_Change(Controls& controls);

}  // namespace numoria

#pragma once

// The converter's handlers over the window's controls.

#include "controls/controls.h"

namespace numoria {

// Change handler of Text3: converts its text into Text4.
void Text3_Change(Controls& controls);

// Also on Text3's change: the cheque form of the amount is offered, by the
// two copy actions and Text4's tooltip, only while there is one.
void OfferChequeAmount(Controls& controls);

// Click handlers of the two copy actions.
void CopyChequeAmount_Click(Controls& controls);
void CopyChequeAmountRmb_Click(Controls& controls);

}  // namespace numoria

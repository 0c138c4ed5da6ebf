#pragma once

// The converter's handlers over the window's controls.

#include "controls/controls.h"

namespace numoria {

// Change handler of Text3: converts its text into Text4.
void Text3_Change(Controls& controls);

// Whether Text3's amount is cut short: a typed character was refused because
// the box was full, and the amount has not been edited since.
struct ChequeOffer {
  bool cut_short = false;
};

// Also on Text3's change, and when it refuses a typed character: the cheque
// form of the amount (OfferedChequeAmount) is offered, by the two copy
// actions and Text4's tooltip, only while there is one.
void OfferChequeAmount(Controls& controls, const ChequeOffer& offer);

// Click handlers of the two copy actions.
void CopyChequeAmount_Click(Controls& controls, const ChequeOffer& offer);
void CopyChequeAmountRmb_Click(Controls& controls, const ChequeOffer& offer);

}  // namespace numoria

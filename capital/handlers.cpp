#include "capital/handlers.h"

#include <string>

#include "capital/capital.h"

namespace numoria {
namespace {

void CopyChequeForm(Controls& controls, const ChequeOffer& offer, bool with_currency) {
  const std::u16string form = OfferedChequeAmount(controls.Text(Control::kText3), offer.cut_short);
  if (!form.empty()) controls.SetClipboardText(ChequeCopy(form, with_currency));
}

}  // namespace

void Text3_Change(Controls& controls) {
  controls.SetText(Control::kText4, CapitalAmount(controls.Text(Control::kText3)));
}

void OfferChequeAmount(Controls& controls, const ChequeOffer& offer) {
  const std::u16string form = OfferedChequeAmount(controls.Text(Control::kText3), offer.cut_short);
  controls.SetEnabled(Control::kCopyChequeAmount, !form.empty());
  controls.SetEnabled(Control::kCopyChequeAmountRmb, !form.empty());
  controls.SetToolTip(Control::kText4, ChequeTip(form));
}

void CopyChequeAmount_Click(Controls& controls, const ChequeOffer& offer) {
  CopyChequeForm(controls, offer, false);
}

void CopyChequeAmountRmb_Click(Controls& controls, const ChequeOffer& offer) {
  CopyChequeForm(controls, offer, true);
}

}  // namespace numoria

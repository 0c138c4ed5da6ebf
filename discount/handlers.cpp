#include "discount/handlers.h"

#include <cstdint>

#include "discount/discount.h"
#include "textnum/textnum.h"

namespace numoria {

void HScroll1_Change(Controls& controls) {
  const std::int16_t discount = controls.Value(Control::kHScroll1);
  // The discount is shown first: it holds whatever the price text is.
  controls.SetCaption(Control::kLabzhe, IntegerText(discount) + u"折");
  controls.SetCaption(Control::kLabxj, CurrentPriceText(controls.Text(Control::kText2), discount));
}

}  // namespace numoria

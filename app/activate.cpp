#include "app/activate.h"

namespace numoria {

void Form_Activate(Controls& controls) {
  // The converter writes ten integer places at most.
  controls.SetMaxLength(Control::kText3, 10);
  controls.SetFocus(Control::kText3);
}

bool Activation::Activated() {
  const bool run = !activated_before_ || passed_to_own_window_;
  activated_before_ = true;
  passed_to_own_window_ = false;
  return run;
}

}  // namespace numoria

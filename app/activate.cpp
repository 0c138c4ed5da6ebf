#include "app/activate.h"

namespace numoria {

void Form_Activate(Controls& controls) {
  // The converter writes ten integer places at most.
  controls.SetMaxLength(u"Text3", 10);
  controls.SetFocus(u"Text3");
}

}  // namespace numoria

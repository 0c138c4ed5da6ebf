// Placeholder until the discount calculator lands.
#include "discount/discount.h"
namespace numoria {
void HScroll1_Change(Controls&) {}
}  // namespace numoria

#pragma once

class QWidget;

namespace numoria {

// Gives form the properties of the description's form entry and creates every
// other control of the description under it, parents first, each named after
// its control; then chains the focusable controls in tab-index order.
void BuildWindow(QWidget& form);

}  // namespace numoria

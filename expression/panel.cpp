#include "expression/panel.h"

#include <string>

#include "expression/evaluator.h"
#include "expression/result_text.h"
#include "textnum/textnum.h"

namespace numoria {

void Command1_Click(Controls& controls) {
  std::u16string formula = controls.Text(Control::kText1);
  // The evaluator reads names and X in capitals only; Text1 keeps what was typed.
  for (char16_t& c : formula) {
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
  }
  bool good = false;
  const double result = CalculateString(formula, good, 1.0);
  controls.SetCaption(Control::kLabel2,
                      good ? std::u16string(kResultPrefix) + NumberText(result) : u"公式有错误");
}

}  // namespace numoria

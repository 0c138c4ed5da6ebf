#include "app/bindings.h"

#include <algorithm>
#include <array>

#include "app/activate.h"
#include "app/copy_rules.h"
#include "app/timer.h"
#include "capital/handlers.h"
#include "discount/handlers.h"
#include "expression/panel.h"

namespace numoria {
namespace {

// The rows of every control but the keypad's keys.
constexpr std::array kRows{
    Binding{Control::kForm1, Event::kActivate, [](Handlers& h, Control) { Form_Activate(h.controls); }},
    Binding{Control::kTimer1, Event::kTimer, [](Handlers& h, Control) { Timer1_Timer(h.controls); }},
    Binding{Control::kCommand1, Event::kClick,
            [](Handlers& h, Control) { Command1_Click(h.controls); }},
    Binding{Control::kText3, Event::kChange, [](Handlers& h, Control) { Text3_Change(h.controls); }},
    Binding{Control::kText3, Event::kChange,
            [](Handlers& h, Control) {
              h.cheque.cut_short = false;
              OfferChequeAmount(h.controls, h.cheque);
            }},
    Binding{Control::kText3, Event::kRefused,
            [](Handlers& h, Control) {
              h.cheque.cut_short = true;
              OfferChequeAmount(h.controls, h.cheque);
            }},
    Binding{Control::kHScroll1, Event::kChange,
            [](Handlers& h, Control) { HScroll1_Change(h.controls); }},
    Binding{Control::kCopyChequeAmount, Event::kClick,
            [](Handlers& h, Control) { CopyChequeAmount_Click(h.controls, h.cheque); }},
    Binding{Control::kCopyChequeAmountRmb, Event::kClick,
            [](Handlers& h, Control) { CopyChequeAmountRmb_Click(h.controls, h.cheque); }},
    Binding{Control::kDisplay, Event::kMenu, [](Handlers& h, Control c) { OfferCopy(h.controls, c); }},
    Binding{Control::kLabel2, Event::kMenu, [](Handlers& h, Control c) { OfferCopy(h.controls, c); }},
    Binding{Control::kLabxj, Event::kMenu, [](Handlers& h, Control c) { OfferCopy(h.controls, c); }},
    Binding{Control::kCopyDisplay, Event::kClick, [](Handlers& h, Control c) { Copy_Click(h.controls, c); }},
    Binding{Control::kCopyLabel2, Event::kClick, [](Handlers& h, Control c) { Copy_Click(h.controls, c); }},
    Binding{Control::kCopyLabxj, Event::kClick, [](Handlers& h, Control c) { Copy_Click(h.controls, c); }},
};

// A keypad button's click runs its key's handler (Digits_Click with the
// index, Equals_Click, ...).
void PressKeypadKey(Handlers& h, Control button) {
  const auto* info = std::find_if(kKeypadKeys.begin(), kKeypadKeys.end(),
                                  [&](const KeypadKeyInfo& k) { return k.button == button; });
  if (info != kKeypadKeys.end()) h.keypad.Press(info->key);
}

// One row per keypad key, then the rest.
constexpr auto AllRows() {
  std::array<Binding, kKeypadKeys.size() + kRows.size()> rows{};
  std::size_t i = 0;
  for (const KeypadKeyInfo& key : kKeypadKeys) rows[i++] = {key.button, Event::kClick, &PressKeypadKey};
  for (const Binding& row : kRows) rows[i++] = row;
  return rows;
}

constexpr auto kBindings = AllRows();

}  // namespace

std::span<const Binding> Bindings() { return kBindings; }

}  // namespace numoria

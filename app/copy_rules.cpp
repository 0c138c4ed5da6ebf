#include "app/copy_rules.h"

#include "discount/discount.h"
#include "expression/result_text.h"

namespace numoria {

std::u16string CopiedText(window::CopyRule rule, std::u16string_view caption) {
  switch (rule) {
    case window::CopyRule::kWhole:
      return std::u16string(caption);
    case window::CopyRule::kResultNumber:
      return ResultNumber(caption);
    case window::CopyRule::kCurrentPrice:
      return CurrentPriceNumber(caption);
    case window::CopyRule::kNone:
      break;
  }
  return {};
}

void OfferCopy(Controls& controls, Control label) {
  const window::ControlDescription& entry = window::Describe(label);
  const bool some = !CopiedText(entry.copy, controls.Caption(label)).empty();
  for (const Control action : entry.menu) controls.SetEnabled(action, some);
}

// A menu offers the action only while there is something to copy; the
// keypad's Ctrl+C copies the display whatever it shows, an empty one too.
void Copy_Click(Controls& controls, Control action) {
  const Control label = window::MenuHost(action);
  controls.SetClipboardText(CopiedText(window::Describe(label).copy, controls.Caption(label)));
}

}  // namespace numoria

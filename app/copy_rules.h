#pragma once

// The labels whose result copies: Display, Label2 and Labxj, each with one
// action "复制" in its context menu, enabled while the label shows a number.

#include <string>
#include <string_view>

#include "app/window_description.h"
#include "controls/controls.h"

namespace numoria {

// What a label's caption copies by the label's rule; empty for nothing.
[[nodiscard]] std::u16string CopiedText(window::CopyRule rule, std::u16string_view caption);

// Before a label's context menu opens: its copy action is enabled only while
// there is something to copy.
void OfferCopy(Controls& controls, Control label);

// Click handler of a label's copy action.
void Copy_Click(Controls& controls, Control action);

}  // namespace numoria

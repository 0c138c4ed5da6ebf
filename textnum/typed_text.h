#pragma once

// What the one-line text boxes store of the characters a user types or
// pastes. Chinese input methods in full-width mode type "１２３．５" and "　",
// which look like ASCII but are other characters; a spreadsheet cell copies
// its line break along; a copied amount brings its currency sign and
// grouping commas.

#include <string>
#include <string_view>

namespace numoria {

// The full-width forms U+FF01 to U+FF5E as their ASCII counterparts, the
// ideographic blank U+3000 as a blank; every other character unchanged.
[[nodiscard]] std::u16string FoldFullWidth(std::u16string_view text);

// A pasted text on one line: folded as above, without blanks, tabs and line
// breaks at either end, and a line break inside ("\r\n", "\r" or "\n") as
// one blank.
[[nodiscard]] std::u16string PastedLine(std::u16string_view text);

// A pasted amount: the line as above, without the currency marks around the
// number ("￥", "¥", "RMB", "元") and without its commas when they group
// whole thousands left of the point ("￥1,234.50" -> "1234.50"). Other
// commas stay, so that "12,5" is never read as 125.
[[nodiscard]] std::u16string PastedAmount(std::u16string_view text);

}  // namespace numoria

#pragma once

// What the one-line text boxes store of the characters a user types or
// pastes. Chinese input methods in full-width mode type "１２３．５" and "　",
// which look like ASCII but are other characters, and "。" for the point; a
// spreadsheet cell copies its line break along; a copied amount brings its
// currency sign and grouping commas. A paste the box cannot take whole is
// refused whole, with a notice that says why.

#include <cstddef>
#include <string>
#include <string_view>

namespace numoria {

// The full-width forms U+FF01 to U+FF5E as their ASCII counterparts, the
// ideographic blank U+3000 as a blank, the ideographic full stop "。" (and
// its half-width form) as "."; every other character unchanged.
[[nodiscard]] std::u16string FoldFullWidth(std::u16string_view text);

// A pasted text on one line: folded as above, without blanks, no-break
// blanks, tabs and line breaks at either end, and a line break inside
// ("\r\n", "\r" or "\n") as one blank.
[[nodiscard]] std::u16string PastedLine(std::u16string_view text);

// A pasted price: the line as above, without the currency marks around the
// number ("￥", "¥", "RMB", "人民币", "元"): "￥100" -> "100", "12元" -> "12".
[[nodiscard]] std::u16string PastedPrice(std::u16string_view text);

// A pasted amount: the price as above, also without its commas when they
// group whole thousands left of the point ("￥1,234.50" -> "1234.50"). Other
// commas stay, so that "12,5" is never read as 125.
[[nodiscard]] std::u16string PastedAmount(std::u16string_view text);

// Why a paste is refused whole.
enum class PasteRefusal { kNone, kSeveralValues, kTooLong };

// Whether a box refuses a paste whole. Pasted on one line, a line break or
// tab would become a blank, and blanks join digits: "100\n200" would read
// as 100200. So an amount box (one_value) refuses every paste of more than
// one cell (lines, or cells of a row), and a formula box one whose cells
// would join two numbers ("100\n200"; "1+2\n*3" is still one formula). A
// paste whose cleaned text is longer than the room left is refused too:
// cut, "12345678901" would be ten times too small.
[[nodiscard]] PasteRefusal RefusedPaste(std::u16string_view pasted, std::size_t cleaned_length,
                                        bool one_value, std::size_t room);

// The notice a box shows when it refuses a paste, or "" for kNone;
// max_length is the box's limit ("金额最多 10 个字符，未粘贴").
[[nodiscard]] std::u16string PasteRefusalNotice(PasteRefusal refusal, int max_length);

// The notice a box shows when its limit refuses a typed character
// ("金额最多 10 个字符，未输入").
[[nodiscard]] std::u16string TypingRefusalNotice(int max_length);

}  // namespace numoria

#pragma once

// Cheque-style capital amounts: "1001" -> "壹仟零壹元", "12.5" -> "壹拾贰元伍角".

#include <cstdint>
#include <string>
#include <string_view>

namespace numoria {

// The capital numeral of a digit 0-9 ("零" ... "玖"); "" for anything else.
[[nodiscard]] std::u16string CapitalDigit(std::int16_t digit);

// The unit of an integer place 1-10, counted from the right ("", "拾", "佰",
// "仟", "万", "拾", "佰", "仟", "亿", "拾"); "" for anything else.
[[nodiscard]] std::u16string CapitalUnit(std::int16_t place);

// The whole text the converter shows for an amount typed in digits, or one of
// its two notices when the text is not an amount it can write.
[[nodiscard]] std::u16string CapitalAmount(std::u16string_view text);

// The form a cheque needs of an amount typed in Text3, without a currency
// word: "12.05" -> "壹拾贰元零伍分", "12" -> "壹拾贰元整". Empty when the text
// cannot stand on a cheque: anything but ASCII digits with at most one "."
// and two decimals, or an amount over 2147483647.
[[nodiscard]] std::u16string ChequeAmount(std::u16string_view text);

// What the cheque form's copy actions put on the clipboard: the form, with
// "人民币" in front when asked for.
[[nodiscard]] std::u16string ChequeCopy(std::u16string_view form, bool with_currency);

// The capital amount's tooltip for a cheque form; empty for no form.
[[nodiscard]] std::u16string ChequeTip(std::u16string_view form);

// The cheque form the window offers for Text3's text: none while the
// amount is cut short, that is after a typed character was refused because
// the box was full ("123456789.55" typed leaves "123456789.", whose form
// "…玖元整" would claim an amount the user did not mean), until the amount
// is edited again; otherwise ChequeAmount(text).
[[nodiscard]] std::u16string OfferedChequeAmount(std::u16string_view text, bool cut_short);

}  // namespace numoria

// Any text of up to ten characters (Text3's limit) typed into the
// capital-amount converter. The converter must return normally and always
// the same text for the same input, and Text3_Change must write that text to
// Text4. The text is either one of the two notices or I "元" D, where I is a
// capital integer and D is ([零-玖]角)?([零-玖]分)?, with never two 零 in a
// row. For an amount in the valid form (digits, at most 2147483647, then
// optionally "." and digits) it is never a notice, I reads back as the
// amount and D follows the first two digits after the point. Other
// characters after the point may give the format notice or count as 0. An
// integer part with anything but digits gives the format notice, a larger
// amount the range notice.
//
// The cheque form of the same text is empty exactly when the text is not a
// cheque amount (digits, at most one "." with at most two digits after it,
// not the point alone, at most 2147483647). Otherwise its integer before
// "元" reads back as the amount, "元" is missing only for 0 yuan, and "整"
// ends it exactly when the amount has no 分.
//
// Input: the first byte chooses the mode: even, the rest as UTF-16 code
// units; odd, one amount character a byte. At most ten characters are used.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "capital/capital.h"
#include "capital/handlers.h"
#include "fuzz/capital_reading.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/reference_number.h"
#include "tests/support/fake_controls.h"

namespace {

using numoria::fuzz::Check;
using numoria::fuzz::IsDigit;
using numoria::fuzz::kNumerals;

constexpr std::u16string_view kFormatNotice = u"金额格式有误";
constexpr std::u16string_view kRangeNotice = u"金额超出范围";
constexpr std::u16string_view kAmountCharacters = u"0123456789012345678900000.. -+a,E\uFF11";
constexpr std::size_t kTextLimit = 10;
constexpr std::uint64_t kLargestAmount = 2147483647;

// The decimal text D for the characters after the point: the tenths write
// nothing for "0", the hundredths always write their numeral; a character
// that is not a digit counts as 0. nullopt where that character is not
// ASCII, since how such a character reads is not fixed.
[[nodiscard]] std::optional<std::u16string> ExpectedDecimals(std::u16string_view fraction) {
  std::u16string decimals;
  const auto numeral = [](char16_t c) { return kNumerals[IsDigit(c) ? c - u'0' : 0]; };
  for (std::size_t i = 0; i < fraction.size() && i < 2; ++i) {
    if (fraction[i] > 0x7F) return std::nullopt;
    if (i == 0 && fraction[i] == u'0') continue;
    decimals += numeral(fraction[i]);
    decimals += i == 0 ? u'角' : u'分';
  }
  return decimals;
}

// Splits a converted text at its "元" into I and D, checking their shape.
void CheckShape(std::u16string_view amount, std::u16string_view input) {
  const auto yuan = amount.find(u'元');
  Check(yuan != std::u16string_view::npos, "no 元 in a converted amount", input);
  Check(amount.find(u"零零") == std::u16string_view::npos, "two 零 in a row", input);
  const auto integer = amount.substr(0, yuan);
  Check(numoria::fuzz::CapitalValue(integer).has_value(), "the capital integer is not well formed", input);
  auto decimals = amount.substr(yuan + 1);
  for (const char16_t unit : {u'角', u'分'}) {
    if (decimals.size() >= 2 && kNumerals.find(decimals[0]) != std::u16string_view::npos && decimals[1] == unit) {
      decimals.remove_prefix(2);
    }
  }
  Check(decimals.empty(), "the decimals after 元 are not numeral-角 numeral-分", input);
}

// The text split at its first ".", and the integer part's value when it is
// ASCII digits only (at most ten of them, so no overflow).
struct Parts {
  std::u16string_view integer, fraction;
  std::optional<std::uint64_t> value;
};

[[nodiscard]] Parts Split(std::u16string_view input) {
  const auto point = input.find(u'.');
  Parts parts{input.substr(0, point),
              point == std::u16string_view::npos ? std::u16string_view() : input.substr(point + 1), 0};
  for (const char16_t c : parts.integer) {
    if (!IsDigit(c)) return {parts.integer, parts.fraction, std::nullopt};
    parts.value = *parts.value * 10 + static_cast<std::uint64_t>(c - u'0');
  }
  return parts;
}

[[nodiscard]] bool AllDigits(std::u16string_view text) {
  return std::all_of(text.begin(), text.end(), [](char16_t c) { return IsDigit(c); });
}

void CheckValidAmount(std::u16string_view amount, const Parts& parts, std::u16string_view input) {
  // A fraction holding something else than digits is either read as
  // written (a non-digit counts as 0) or refused as a whole.
  if (!AllDigits(parts.fraction) && amount == kFormatNotice) {
    return;
  }
  if (*parts.value > kLargestAmount) {
    Check(amount == kRangeNotice, "an amount over 2147483647 without the range notice", input);
    return;
  }
  Check(amount != kFormatNotice && amount != kRangeNotice, "a notice for an amount in the valid form", input);
  const auto yuan = amount.find(u'元');
  Check(numoria::fuzz::CapitalValue(amount.substr(0, yuan)) == parts.value, "the capital integer is not the amount",
        input);
  if (const auto decimals = ExpectedDecimals(parts.fraction)) {
    Check(amount.substr(yuan + 1) == *decimals, "the decimals are not those typed", input);
  }
}

// Whether the text holds an amount a cheque can carry, read apart from the
// converter: ASCII digits, at most one "." and two decimals, within 32 bits.
[[nodiscard]] bool IsChequeAmount(const Parts& parts) {
  return !(parts.integer.empty() && parts.fraction.empty()) && parts.fraction.size() <= 2 && parts.value &&
         AllDigits(parts.fraction) && *parts.value <= kLargestAmount;
}

void CheckCheque(std::u16string_view input) {
  const std::u16string cheque = numoria::ChequeAmount(input);
  const Parts parts = Split(input);
  const bool valid = IsChequeAmount(parts);
  Check(cheque.empty() != valid, "a cheque form empty for a cheque amount, or written for another text", input);
  if (!valid) return;
  const std::uint64_t value = *parts.value;
  const std::u16string_view fraction = parts.fraction;
  Check(cheque.find(u"零零") == std::u16string_view::npos, "two 零 in a row on a cheque", input);
  const auto yuan = cheque.find(u'元');
  const bool zero = value == 0 && fraction.find_first_not_of(u'0') == std::u16string_view::npos;
  Check((yuan == std::u16string_view::npos) == (value == 0 && !zero), "元 written for 0 yuan or missing", input);
  if (value != 0) {
    Check(numoria::fuzz::CapitalValue(cheque.substr(0, yuan)) == value, "the cheque integer is not the amount", input);
  }
  const bool has_fen = fraction.size() == 2 && fraction[1] != u'0';
  const auto whole = cheque.find(u'整');
  Check(has_fen == (whole == std::u16string_view::npos), "整 after 分 or missing without 分", input);
  Check(whole == std::u16string_view::npos || whole + 1 == cheque.size(), "整 not at the end", input);
  Check(has_fen == (cheque.find(u'分') != std::u16string_view::npos), "分 written for a zero or missing", input);
}

void CheckAmount(std::u16string_view input) {
  CheckCheque(input);
  const std::u16string amount = numoria::CapitalAmount(input);
  Check(numoria::CapitalAmount(input) == amount, "the same text converted differently", input);

  numoria::testing::FakeControls controls;
  controls.SetText(numoria::Control::kText3, input);
  numoria::Text3_Change(controls);
  Check(controls.Text(numoria::Control::kText4) == amount, "Text3_Change wrote another text than CapitalAmount", input);

  if (amount != kFormatNotice && amount != kRangeNotice) {
    CheckShape(amount, input);
  }
  const Parts parts = Split(input);
  if (parts.value) {
    CheckValidAmount(amount, parts, input);
  } else {
    Check(amount == kFormatNotice, "an integer part that is not digits without the format notice", input);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  numoria::fuzz::Bytes rest(data, size);
  std::u16string input = numoria::fuzz::TakeInteger<std::uint8_t>(rest) % 2 == 0
                             ? numoria::fuzz::Utf16(rest)
                             : numoria::fuzz::FromAlphabet(rest, kAmountCharacters);
  input.resize(std::min(input.size(), kTextLimit));
  CheckAmount(input);
  return 0;
}

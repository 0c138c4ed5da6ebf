// Cheque-style capital amounts as the converter shows them. Leading zeros
// are an ordinary run of zeros ("05" -> "零伍元").

#include "capital/capital.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "capital/amount_words.h"

namespace numoria {
namespace {

constexpr std::u16string_view kBadFormat = u"金额格式有误";
constexpr std::u16string_view kOutOfRange = u"金额超出范围";

// A non-zero tenths digit writes "角"; a hundredths digit always writes "分",
// "零分" included. Further decimals are dropped, not rounded.
[[nodiscard]] std::u16string FractionWords(std::u16string_view fraction) {
  std::u16string out;
  if (!fraction.empty() && fraction[0] != u'0') {
    out += DigitWord(fraction[0]);
    out += u"角";
  }
  if (fraction.size() > 1) {
    out += DigitWord(fraction[1]);
    out += u"分";
  }
  return out;
}

}  // namespace

std::u16string CapitalDigit(std::int16_t digit) {
  if (digit < 0 || static_cast<std::size_t>(digit) >= kCapitalDigits.size()) return {};
  return std::u16string(kCapitalDigits[static_cast<std::size_t>(digit)]);
}

std::u16string CapitalUnit(std::int16_t place) {
  if (place < 1 || static_cast<std::size_t>(place) > kCapitalUnits.size()) return {};
  return std::u16string(kCapitalUnits[static_cast<std::size_t>(place) - 1]);
}

std::u16string CapitalAmount(std::u16string_view text) {
  const auto [integer, fraction] = SplitAtPoint(text);
  if (!AllDigits(integer) || !AllDigits(fraction)) return std::u16string(kBadFormat);

  const std::u16string_view significant = SignificantDigits(integer);
  if (!FitsInt32(significant)) return std::u16string(kOutOfRange);

  const bool leading_zeros = significant.size() < integer.size();
  return IntegerWords(significant, leading_zeros) + u"元" + FractionWords(fraction);
}

void Text3_Change(Controls& controls) {
  controls.SetText(u"Text4", CapitalAmount(controls.Text(u"Text3")));
}

}  // namespace numoria

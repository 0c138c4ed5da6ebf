// Cheque-style capital amounts as the converter shows them. Leading zeros
// are an ordinary run of zeros ("05" -> "零伍元").

#include "capital/capital.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "capital/amount_words.h"

namespace numoria {
namespace {

constexpr std::array<std::u16string_view, 10> kCapitalDigits = {
    u"零", u"壹", u"贰", u"叁", u"肆", u"伍", u"陆", u"柒", u"捌", u"玖"};

// Indexed by place - 1; the group units 万 and 亿 sit at every fourth entry.
constexpr std::array<std::u16string_view, 10> kCapitalUnits = {
    u"", u"拾", u"佰", u"仟", u"万", u"拾", u"佰", u"仟", u"亿", u"拾"};

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

std::u16string ChequeCopy(std::u16string_view form, bool with_currency) {
  return with_currency ? u"人民币" + std::u16string(form) : std::u16string(form);
}

std::u16string ChequeTip(std::u16string_view form) {
  return form.empty() ? std::u16string() : u"票据写法：" + std::u16string(form);
}

}  // namespace numoria

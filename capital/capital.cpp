// Cheque-style capital amounts.
//
// The integer part is read in groups of four places (units, 万, 亿). Inside
// the whole amount a run of zeros writes one "零", and only when a non-zero
// digit follows it; a written group unit ends the run, so "零" never stands
// right before "万" or "亿", and a group of zeros writes no unit. Leading
// zeros are an ordinary run ("05" -> "零伍元").

#include "capital/capital.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

#include "textnum/char_class.h"

namespace numoria {
namespace {

constexpr std::array<std::u16string_view, 10> kDigits = {
    u"零", u"壹", u"贰", u"叁", u"肆", u"伍", u"陆", u"柒", u"捌", u"玖"};

// Indexed by place - 1; the group units 万 and 亿 sit at every fourth entry.
constexpr std::array<std::u16string_view, 10> kUnits = {
    u"", u"拾", u"佰", u"仟", u"万", u"拾", u"佰", u"仟", u"亿", u"拾"};

constexpr std::size_t kGroupSize = 4;
// 2147483647, the largest amount written, has ten places.
constexpr std::size_t kMaxPlaces = 10;

constexpr std::u16string_view kBadFormat = u"金额格式有误";
constexpr std::u16string_view kOutOfRange = u"金额超出范围";

[[nodiscard]] bool AllDigits(std::u16string_view text) {
  return std::all_of(text.begin(), text.end(), IsDigit);
}

[[nodiscard]] std::u16string_view DigitWord(char16_t digit) {
  return kDigits[static_cast<std::size_t>(digit - u'0')];
}

// Whether digits without leading zeros fit a 32-bit signed integer.
[[nodiscard]] bool FitsInt32(std::u16string_view digits) {
  if (digits.empty()) return true;
  if (digits.size() > kMaxPlaces) return false;
  std::array<char, kMaxPlaces> narrow{};
  std::transform(digits.begin(), digits.end(), narrow.begin(),
                 [](char16_t c) { return static_cast<char>(c); });
  std::int32_t value = 0;
  const auto result = std::from_chars(narrow.data(), narrow.data() + digits.size(), value);
  return result.ec == std::errc{};
}

// Appends one group's digits with their 仟/佰/拾 units. A zero only marks the
// run as pending; the next non-zero digit turns it into one "零".
void AppendGroup(std::u16string_view group, bool& zero_pending, std::u16string& out) {
  for (std::size_t i = 0; i < group.size(); ++i) {
    if (group[i] == u'0') {
      zero_pending = true;
      continue;
    }
    if (zero_pending) out += kDigits[0];
    zero_pending = false;
    out += DigitWord(group[i]);
    out += kUnits[group.size() - 1 - i];
  }
}

// The capital text of at most ten digits with no leading zero;
// `zero_pending` tells whether zeros stood before them.
[[nodiscard]] std::u16string IntegerWords(std::u16string_view digits, bool zero_pending) {
  std::u16string out;
  if (digits.empty()) return out;
  const std::size_t groups = (digits.size() + kGroupSize - 1) / kGroupSize;
  std::size_t width = digits.size() - (groups - 1) * kGroupSize;  // the top group may be short
  for (std::size_t g = groups; g-- > 0;) {
    const std::u16string_view group = digits.substr(0, width);
    digits.remove_prefix(width);
    width = kGroupSize;
    if (group.find_first_not_of(u'0') == std::u16string_view::npos) {
      zero_pending = true;
      continue;
    }
    AppendGroup(group, zero_pending, out);
    out += kUnits[g * kGroupSize];
    zero_pending = false;
  }
  return out;
}

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
  if (digit < 0 || static_cast<std::size_t>(digit) >= kDigits.size()) return {};
  return std::u16string(kDigits[static_cast<std::size_t>(digit)]);
}

std::u16string CapitalUnit(std::int16_t place) {
  if (place < 1 || static_cast<std::size_t>(place) > kUnits.size()) return {};
  return std::u16string(kUnits[static_cast<std::size_t>(place) - 1]);
}

std::u16string CapitalAmount(std::u16string_view text) {
  const std::size_t point = text.find(u'.');
  const std::u16string_view integer = text.substr(0, point);
  const std::u16string_view fraction =
      point == std::u16string_view::npos ? std::u16string_view{} : text.substr(point + 1);
  if (!AllDigits(integer) || !AllDigits(fraction)) return std::u16string(kBadFormat);

  const std::size_t leading_zeros = std::min(integer.find_first_not_of(u'0'), integer.size());
  const std::u16string_view significant = integer.substr(leading_zeros);
  if (!FitsInt32(significant)) return std::u16string(kOutOfRange);

  return IntegerWords(significant, leading_zeros > 0) + u"元" + FractionWords(fraction);
}

void Text3_Change(Controls& controls) {
  controls.SetText(u"Text4", CapitalAmount(controls.Text(u"Text3")));
}

}  // namespace numoria

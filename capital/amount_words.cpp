// Inside the whole amount a run of zeros writes one "零", and only when a
// non-zero digit follows it; a written group unit ends the run, so "零" never
// stands right before "万" or "亿", and a group of zeros writes no unit.

#include "capital/amount_words.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <system_error>

#include "capital/capital.h"
#include "textnum/char_class.h"

namespace numoria {
namespace {

constexpr std::size_t kGroupSize = 4;
// 2147483647, the largest amount written, has ten places.
constexpr std::size_t kMaxPlaces = 10;

// Appends one group's digits with their 仟/佰/拾 units. A zero only marks the
// run as pending; the next non-zero digit turns it into one "零".
void AppendGroup(std::u16string_view group, bool& zero_pending, std::u16string& out) {
  for (std::size_t i = 0; i < group.size(); ++i) {
    if (group[i] == u'0') {
      zero_pending = true;
      continue;
    }
    if (zero_pending) out += CapitalDigit(0);
    zero_pending = false;
    out += DigitWord(group[i]);
    out += CapitalUnit(static_cast<std::int16_t>(group.size() - i));
  }
}

}  // namespace

AmountParts SplitAtPoint(std::u16string_view text) {
  const std::size_t point = text.find(u'.');
  if (point == std::u16string_view::npos) return {text, {}};
  return {text.substr(0, point), text.substr(point + 1)};
}

bool AllDigits(std::u16string_view text) { return std::all_of(text.begin(), text.end(), IsDigit); }

std::u16string DigitWord(char16_t digit) {
  return CapitalDigit(static_cast<std::int16_t>(digit - u'0'));
}

std::u16string_view SignificantDigits(std::u16string_view digits) {
  return digits.substr(std::min(digits.find_first_not_of(u'0'), digits.size()));
}

bool FitsInt32(std::u16string_view digits) {
  if (digits.empty()) return true;
  if (digits.size() > kMaxPlaces) return false;
  std::array<char, kMaxPlaces> narrow{};
  std::transform(digits.begin(), digits.end(), narrow.begin(),
                 [](char16_t c) { return static_cast<char>(c); });
  std::int32_t value = 0;
  const auto result = std::from_chars(narrow.data(), narrow.data() + digits.size(), value);
  return result.ec == std::errc{};
}

std::u16string IntegerWords(std::u16string_view digits, bool zero_pending) {
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
    out += CapitalUnit(static_cast<std::int16_t>(g * kGroupSize + 1));
    zero_pending = false;
  }
  return out;
}

}  // namespace numoria

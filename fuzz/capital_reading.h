#pragma once

// Reads a capital-numeral integer ("壹佰零万零壹") back as a number, to check
// that the converter wrote the amount it was given. 零 only fills gaps; a
// group unit (万, 亿) closes the digits before it, also when they are none.

#include <cstdint>
#include <optional>
#include <string_view>

namespace numoria::fuzz {

inline constexpr std::u16string_view kNumerals = u"零壹贰叁肆伍陆柒捌玖";

// nullopt for a text that is not a well-formed capital integer.
[[nodiscard]] inline std::optional<std::uint64_t> CapitalValue(std::u16string_view text) {
  std::uint64_t high = 0;     // the part above 亿, already multiplied
  std::uint64_t middle = 0;   // the 万 group, already multiplied
  std::uint64_t group = 0;    // the digits below the last group unit
  std::int64_t pending = -1;  // a numeral still waiting for its unit
  std::uint64_t last_unit = 10000;
  bool seen_wan = false;
  bool seen_yi = false;
  const auto close_group = [&] {
    group += pending > 0 ? static_cast<std::uint64_t>(pending) : 0;
    pending = -1;
    last_unit = 10000;
  };
  for (const char16_t c : text) {
    if (const auto digit = kNumerals.find(c); digit != std::u16string_view::npos) {
      if (pending > 0) return std::nullopt;  // two numerals without a unit between
      if (digit > 0) pending = static_cast<std::int64_t>(digit);
      continue;
    }
    const std::uint64_t unit = c == u'拾' ? 10 : c == u'佰' ? 100 : c == u'仟' ? 1000 : 0;
    if (unit != 0) {
      if (pending <= 0 || unit >= last_unit) return std::nullopt;
      group += static_cast<std::uint64_t>(pending) * unit;
      pending = -1;
      last_unit = unit;
    } else if (c == u'万' && !seen_wan) {
      close_group();
      middle = group * 10000;
      group = 0;
      seen_wan = true;
    } else if (c == u'亿' && !seen_yi && !seen_wan) {
      close_group();
      high = group * 100000000;
      group = 0;
      seen_yi = true;
    } else {
      return std::nullopt;
    }
  }
  close_group();
  return high + middle + group;
}

}  // namespace numoria::fuzz

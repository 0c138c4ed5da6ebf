// Checks the converter against a second reading of the amount, built from
// its value: the 亿, 万 and units groups are read one by one, and a lower part
// that does not fill its places starts with "零".

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include "capital/capital.h"

namespace numoria {
namespace {

constexpr std::array<std::u16string_view, 10> kNumerals = {
    u"零", u"壹", u"贰", u"叁", u"肆", u"伍", u"陆", u"柒", u"捌", u"玖"};

// 1 <= n <= 9999, with one "零" for each run of inner zeros before a digit.
std::u16string ReadGroup(std::int64_t n) {
  constexpr std::array<std::u16string_view, 4> kInGroup = {u"仟", u"佰", u"拾", u""};
  std::u16string out;
  bool zeros = false;
  std::int64_t scale = 1000;
  for (const auto unit : kInGroup) {
    const std::int64_t d = n / scale % 10;
    scale /= 10;
    if (d == 0) {
      zeros = !out.empty();
      continue;
    }
    if (zeros) out += u"零";
    zeros = false;
    out += kNumerals[static_cast<std::size_t>(d)];
    out += unit;
  }
  return out;
}

std::u16string Read(std::int64_t n);

// The part below a group unit; "零" when it leaves its top place empty.
std::u16string ReadRest(std::int64_t rest, std::int64_t top_place) {
  std::u16string out;
  if (rest == 0) return out;
  if (rest < top_place) out = u"零";
  return out += Read(rest);
}

std::u16string Read(std::int64_t n) {
  if (n >= 100000000) return ReadGroup(n / 100000000) + u"亿" + ReadRest(n % 100000000, 10000000);
  if (n >= 10000) return ReadGroup(n / 10000) + u"万" + ReadRest(n % 10000, 1000);
  return n == 0 ? u"" : ReadGroup(n);
}

std::u16string Expected(std::int64_t n, int leading_zeros) {
  std::u16string out;
  if (leading_zeros > 0 && n > 0) out = u"零";
  return out += Read(n) + u"元";
}

std::u16string DigitsOf(std::int64_t n, int leading_zeros) {
  std::array<char, 24> buffer{};
  const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), n).ptr;
  std::u16string text(static_cast<std::size_t>(leading_zeros), u'0');
  text.append(buffer.data(), end);
  return text;
}

TEST(CapitalReading, EveryAmountUpToOneMillion) {
  for (std::int64_t n = 0; n <= 1000000; ++n) {
    const std::u16string text = DigitsOf(n, 0);
    ASSERT_EQ(CapitalAmount(text), Expected(n, 0)) << n;
  }
}

TEST(CapitalReading, NineAndTenDigitAmounts) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<std::int64_t> amount(100000000, 2147483647);
  for (int i = 0; i < 20000; ++i) {
    const std::int64_t n = amount(random);
    ASSERT_EQ(CapitalAmount(DigitsOf(n, 0)), Expected(n, 0)) << n;
  }
}

TEST(CapitalReading, LeadingZeros) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> digits(0, 10);
  std::uniform_int_distribution<int> zeros(1, 12);
  for (int i = 0; i < 20000; ++i) {
    // Amounts of every length, many with zero groups, some of value 0.
    std::int64_t n = 0;
    for (int places = digits(random); places > 0; --places) {
      n = n * 10 + (digits(random) < 6 ? 0 : digits(random) % 10);
    }
    if (n > 2147483647) n %= 2147483648;
    const int leading = zeros(random);
    ASSERT_EQ(CapitalAmount(DigitsOf(n, leading)), Expected(n, leading)) << n << " " << leading;
  }
}

}  // namespace
}  // namespace numoria

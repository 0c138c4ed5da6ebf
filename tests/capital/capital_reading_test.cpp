// Checks the converter against a second reading of the amount, built from
// its value: the 亿, 万 and units groups are read one by one, and a lower part
// that does not fill its places starts with "零".

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "capital/capital.h"

namespace numoria {
namespace {

// 1 <= n <= 9999, with one "零" for each run of inner zeros before a digit.
std::u16string ReadGroup(std::int64_t n) {
  constexpr std::u16string_view kNumerals = u"零壹贰叁肆伍陆柒捌玖";
  constexpr std::u16string_view kInGroup[] = {u"仟", u"佰", u"拾", u""};
  std::u16string out;
  bool zeros = false;
  for (std::int64_t place = 0, scale = 1000; place < 4; ++place, scale /= 10) {
    const std::int64_t d = n / scale % 10;
    if (d == 0) {
      zeros = !out.empty();
      continue;
    }
    if (zeros) out += u"零";
    zeros = false;
    out += kNumerals[static_cast<std::size_t>(d)];
    out += kInGroup[place];
  }
  return out;
}

// The part below a group unit gets "零" when it leaves its top place empty.
std::u16string Read(std::int64_t n) {
  for (const auto& [unit, name] : {std::pair{100000000, u"亿"}, std::pair{10000, u"万"}}) {
    if (n < unit) continue;
    const std::int64_t rest = n % unit;
    return ReadGroup(n / unit) + name + (rest == 0 ? u"" : rest < unit / 10 ? u"零" : u"") +
           Read(rest);
  }
  return n == 0 ? u"" : ReadGroup(n);
}

::testing::AssertionResult Reads(std::int64_t n, int leading_zeros) {
  const std::string digits = std::string(static_cast<std::size_t>(leading_zeros), '0') +
                             std::to_string(n);
  std::u16string want = leading_zeros > 0 && n > 0 ? u"零" : u"";
  want += Read(n) + u"元";
  if (CapitalAmount(std::u16string(digits.begin(), digits.end())) == want) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << digits;
}

// Every amount up to one million, and as many spread over the whole range
// behind leading zeros.
TEST(CapitalReading, EveryAmountUpToOneMillion) {
  for (std::int64_t n = 0; n <= 1000000; ++n) {
    ASSERT_TRUE(Reads(n, 0));
    ASSERT_TRUE(Reads(n * 2147 + n % 10, static_cast<int>(n % 3)));
  }
}

// The cheque form from the value in yuan and cents: 元 for a non-zero
// integer, 零 standing for a zero 角 between 元 and 分, 整 unless it ends at 分.
std::u16string ReadCheque(std::int64_t yuan, int cents) {
  constexpr std::u16string_view kNumerals = u"零壹贰叁肆伍陆柒捌玖";
  const std::u16string integer = yuan == 0 ? u"" : Read(yuan) + u"元";
  const std::u16string jiao = {kNumerals[static_cast<std::size_t>(cents / 10)], u'角'};
  const std::u16string fen = {kNumerals[static_cast<std::size_t>(cents % 10)], u'分'};
  if (cents == 0) return yuan == 0 ? u"零元整" : integer + u"整";
  if (cents % 10 == 0) return integer + jiao + u"整";
  if (cents < 10) return integer + (yuan == 0 ? u"" : u"零") + fen;
  return integer + jiao + fen;
}

// Each amount with two decimals, and where they allow it with fewer, with
// no integer digit, and with a leading zero.
TEST(ChequeReading, EveryAmountUpTo10000Yuan) {
  for (std::int64_t yuan = 0; yuan <= 10000; ++yuan) {
    const std::string whole = std::to_string(yuan);
    for (int cents = 0; cents < 100; ++cents) {
      const std::u16string want = ReadCheque(yuan, cents);
      const std::string two = (cents < 10 ? ".0" : ".") + std::to_string(cents);
      std::vector<std::string> forms = {whole + two, "0" + whole + two};
      if (cents % 10 == 0) forms.push_back(whole + two.substr(0, 2));
      if (cents == 0) forms.insert(forms.end(), {whole, whole + "."});
      if (yuan == 0) forms.push_back(two);
      for (const std::string& form : forms) {
        ASSERT_EQ(ChequeAmount(std::u16string(form.begin(), form.end())), want) << form;
      }
    }
  }
}

}  // namespace
}  // namespace numoria

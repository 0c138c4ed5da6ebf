// The amount as a cheque, a settlement voucher or an invoice must write it:
// "元" only for a non-zero integer, "零" between 元 and a 分 that follows a
// zero 角, and "整" when the amount ends at 元 or 角. Nothing is rounded:
// a text that does not hold the exact amount gives no form at all.

#include <cstddef>
#include <string>
#include <string_view>

#include "capital/amount_words.h"
#include "capital/capital.h"

namespace numoria {

std::u16string ChequeAmount(std::u16string_view text) {
  const auto [integer, fraction] = SplitAtPoint(text);
  if (integer.empty() && fraction.empty()) return {};
  if (!AllDigits(integer) || !AllDigits(fraction) || fraction.size() > 2) return {};
  const std::u16string_view significant = SignificantDigits(integer);
  if (!FitsInt32(significant)) return {};

  const char16_t jiao = fraction.empty() ? u'0' : fraction[0];
  const char16_t fen = fraction.size() < 2 ? u'0' : fraction[1];
  std::u16string out = IntegerWords(significant, false);
  const bool has_yuan = !out.empty();
  if (has_yuan) out += u"元";
  if (jiao != u'0') {
    out += DigitWord(jiao);
    out += u"角";
  } else if (fen != u'0' && has_yuan) {
    out += CapitalDigit(0);
  }
  if (fen != u'0') {
    out += DigitWord(fen);
    out += u"分";
    return out;
  }
  return out.empty() ? u"零元整" : out + u"整";
}

std::u16string OfferedChequeAmount(std::u16string_view text, bool cut_short) {
  return cut_short ? std::u16string() : ChequeAmount(text);
}

}  // namespace numoria

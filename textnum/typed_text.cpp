#include "textnum/typed_text.h"

#include <algorithm>
#include <array>

#include "textnum/char_class.h"

namespace numoria {
namespace {

constexpr char16_t kFirstFullWidth = u'\uFF01';
constexpr char16_t kLastFullWidth = u'\uFF5E';
constexpr char16_t kFullWidthOffset = kFirstFullWidth - u'!';

[[nodiscard]] constexpr bool IsLineBreak(char16_t c) { return c == u'\r' || c == u'\n'; }

[[nodiscard]] constexpr bool IsEdgeSpace(char16_t c) {
  return c == u' ' || c == u'\t' || IsLineBreak(c);
}

[[nodiscard]] std::u16string_view Trimmed(std::u16string_view text) {
  while (!text.empty() && IsEdgeSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsEdgeSpace(text.back())) text.remove_suffix(1);
  return text;
}

// Strips currency marks, and the blanks beside them, from both ends.
[[nodiscard]] std::u16string_view WithoutCurrencyMarks(std::u16string_view text) {
  constexpr std::array<std::u16string_view, 4> kMarks{u"\uFFE5", u"\u00A5", u"RMB", u"元"};
  for (bool stripped = true; stripped;) {
    stripped = false;
    for (const std::u16string_view mark : kMarks) {
      if (text.starts_with(mark)) {
        text = Trimmed(text.substr(mark.size()));
        stripped = true;
      }
      if (text.ends_with(mark)) {
        text = Trimmed(text.substr(0, text.size() - mark.size()));
        stripped = true;
      }
    }
  }
  return text;
}

// Whether the commas of the integer part (up to the first ".") stand only
// between whole groups of three digits, with one to three digits before the
// first: "1,000", "12,345.6", "1,234,567"; not "12,5", ",5" or "1,,000".
[[nodiscard]] bool CommasGroupThousands(std::u16string_view text) {
  const std::u16string_view whole = text.substr(0, text.find(u'.'));
  return whole.find(u',') != std::u16string_view::npos &&
         text.substr(whole.size()).find(u',') == std::u16string_view::npos &&
         GroupsThousands(whole);
}

}  // namespace

std::u16string FoldFullWidth(std::u16string_view text) {
  std::u16string folded(text);
  for (char16_t& c : folded) {
    if (c >= kFirstFullWidth && c <= kLastFullWidth) {
      c = static_cast<char16_t>(c - kFullWidthOffset);
    } else if (c == u'\u3000') {
      c = u' ';
    }
  }
  return folded;
}

std::u16string PastedLine(std::u16string_view text) {
  const std::u16string folded = FoldFullWidth(text);
  const std::u16string_view line = Trimmed(folded);
  std::u16string result;
  result.reserve(line.size());
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (!IsLineBreak(line[i])) {
      result.push_back(line[i]);
      continue;
    }
    if (line[i] == u'\r' && i + 1 < line.size() && line[i + 1] == u'\n') ++i;
    result.push_back(u' ');
  }
  return result;
}

std::u16string PastedAmount(std::u16string_view text) {
  const std::u16string line = PastedLine(text);
  std::u16string amount(WithoutCurrencyMarks(line));
  if (CommasGroupThousands(amount)) std::erase(amount, u',');
  return amount;
}

}  // namespace numoria

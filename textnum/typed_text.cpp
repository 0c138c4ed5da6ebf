#include "textnum/typed_text.h"

#include <algorithm>
#include <array>
#include <string>

#include "textnum/char_class.h"

namespace numoria {
namespace {

constexpr char16_t kFirstFullWidth = u'\uFF01';
constexpr char16_t kLastFullWidth = u'\uFF5E';
constexpr char16_t kFullWidthOffset = kFirstFullWidth - u'!';

[[nodiscard]] constexpr bool IsLineBreak(char16_t c) { return c == u'\r' || c == u'\n'; }

// Blanks a copied cell brings along: no-break blanks too, which
// spreadsheets and web pages put before amounts.
[[nodiscard]] constexpr bool IsEdgeSpace(char16_t c) {
  return c == u' ' || c == u'\t' || IsLineBreak(c) || c == u'\u00A0' || c == u'\u2007' ||
         c == u'\u202F';
}

[[nodiscard]] constexpr bool IsCellBreak(char16_t c) { return c == u'\t' || IsLineBreak(c); }

// A character a number may end or start with.
[[nodiscard]] constexpr bool IsNumberPart(char16_t c) { return IsDigit(c) || c == u'.'; }

[[nodiscard]] std::u16string_view Trimmed(std::u16string_view text) {
  while (!text.empty() && IsEdgeSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsEdgeSpace(text.back())) text.remove_suffix(1);
  return text;
}

// Strips currency marks, and the blanks beside them, from both ends.
[[nodiscard]] std::u16string_view WithoutCurrencyMarks(std::u16string_view text) {
  constexpr std::array<std::u16string_view, 5> kMarks{u"\uFFE5", u"\u00A5", u"RMB", u"人民币",
                                                      u"元"};
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

[[nodiscard]] std::u16string LimitText(int max_length) {
  const std::string digits = std::to_string(max_length);
  return u"金额最多 " + std::u16string(digits.begin(), digits.end()) + u" 个字符";
}

}  // namespace

std::u16string FoldFullWidth(std::u16string_view text) {
  std::u16string folded(text);
  for (char16_t& c : folded) {
    if (c >= kFirstFullWidth && c <= kLastFullWidth) {
      c = static_cast<char16_t>(c - kFullWidthOffset);
    } else if (c == u'\u3000') {
      c = u' ';
    } else if (c == u'\u3002' || c == u'\uFF61') {
      c = u'.';
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

std::u16string PastedPrice(std::u16string_view text) {
  const std::u16string line = PastedLine(text);
  return std::u16string(WithoutCurrencyMarks(line));
}

std::u16string PastedAmount(std::u16string_view text) {
  std::u16string amount = PastedPrice(text);
  if (CommasGroupThousands(amount)) std::erase(amount, u',');
  return amount;
}

PasteRefusal RefusedPaste(std::u16string_view pasted, std::size_t cleaned_length, bool one_value,
                          std::size_t room) {
  const std::u16string folded = FoldFullWidth(pasted);
  const std::u16string_view cells = Trimmed(folded);
  // Walks the runs of blanks that hold a cell break, and looks at the
  // characters on both sides of each.
  for (std::size_t i = 0; i < cells.size();) {
    if (!IsEdgeSpace(cells[i])) {
      ++i;
      continue;
    }
    const std::size_t start = i;
    bool breaks = false;
    for (; i < cells.size() && IsEdgeSpace(cells[i]); ++i) breaks = breaks || IsCellBreak(cells[i]);
    if (breaks && (one_value || (IsNumberPart(cells[start - 1]) && IsNumberPart(cells[i])))) {
      return PasteRefusal::kSeveralValues;
    }
  }
  return cleaned_length > room ? PasteRefusal::kTooLong : PasteRefusal::kNone;
}

std::u16string PasteRefusalNotice(PasteRefusal refusal, int max_length) {
  switch (refusal) {
    case PasteRefusal::kNone:
      break;
    case PasteRefusal::kSeveralValues:
      return u"粘贴内容含多个数值，未粘贴";
    case PasteRefusal::kTooLong:
      return LimitText(max_length) + u"，未粘贴";
  }
  return {};
}

std::u16string TypingRefusalNotice(int max_length) { return LimitText(max_length) + u"，未输入"; }

}  // namespace numoria

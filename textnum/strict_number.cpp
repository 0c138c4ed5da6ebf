#include <cstddef>
#include <string_view>

#include "textnum/char_class.h"
#include "textnum/decimal_builder.h"
#include "textnum/textnum.h"

namespace numoria {
namespace {

[[noreturn]] void RaiseTypeMismatch() { throw RuntimeError(ErrorNumber::kTypeMismatch); }

[[nodiscard]] std::u16string_view TrimSpaces(std::u16string_view text) noexcept {
  const std::size_t first = text.find_first_not_of(u' ');
  if (first == std::u16string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

// Reads a complete number from text, or raises type mismatch.
class StrictReader {
 public:
  explicit StrictReader(std::u16string_view text) noexcept : text_(text) {}

  // [sign] (digits | d[d[d]]{,ddd}) [. [digits]] [(E|D) [sign] digits]
  double Read() {
    if (IsSign(Peek())) {
      number_.SetNegative(Peek() == u'-');
      ++pos_;
    }
    std::size_t digits = ReadIntegerPart();
    if (Peek() == u'.') {
      ++pos_;
      for (; IsDigit(Peek()); ++pos_, ++digits) {
        number_.AddFractionDigit(Peek());
      }
    }
    if (digits == 0) {
      RaiseTypeMismatch();
    }
    if (IsExponentMark(Peek())) {
      ++pos_;
      ReadExponent();
    }
    if (pos_ != text_.size()) {
      RaiseTypeMismatch();
    }
    return number_.Value();
  }

 private:
  [[nodiscard]] char16_t Peek() const noexcept { return pos_ < text_.size() ? text_[pos_] : u'\0'; }

  // Digits, or groups of digits separated by ",": one to three before the
  // first ",", exactly three after each. A comma anywhere else ("12,5", a
  // decimal comma) makes the text no number. Returns the count of digits.
  std::size_t ReadIntegerPart() {
    const std::size_t start = pos_;
    while (IsDigit(Peek()) || Peek() == u',') ++pos_;
    const std::u16string_view whole = text_.substr(start, pos_ - start);
    if (!GroupsThousands(whole)) RaiseTypeMismatch();
    std::size_t digits = 0;
    for (const char16_t c : whole) {
      if (c == u',') continue;
      number_.AddIntegerDigit(c);
      ++digits;
    }
    return digits;
  }

  void ReadExponent() {
    if (IsSign(Peek())) {
      number_.SetExponentNegative(Peek() == u'-');
      ++pos_;
    }
    if (!IsDigit(Peek())) {
      RaiseTypeMismatch();
    }
    for (; IsDigit(Peek()); ++pos_) {
      number_.AddExponentDigit(Peek());
    }
  }

  std::u16string_view text_;
  std::size_t pos_ = 0;
  DecimalBuilder number_;
};

}  // namespace

double StrictNumber(std::u16string_view text) { return StrictReader(TrimSpaces(text)).Read(); }

}  // namespace numoria

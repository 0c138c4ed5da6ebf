#include <cstddef>
#include <string_view>

#include "textnum/char_class.h"
#include "textnum/decimal_builder.h"
#include "textnum/textnum.h"

namespace numoria {
namespace {

// Walks a text as if blanks, tabs and line feeds were not there.
class BlankBlindCursor {
 public:
  explicit BlankBlindCursor(std::u16string_view text) noexcept : text_(text) { SkipBlanks(); }

  // The current character, or 0 at the end of the text.
  [[nodiscard]] char16_t Peek() const noexcept { return pos_ < text_.size() ? text_[pos_] : u'\0'; }

  void Advance() noexcept {
    ++pos_;
    SkipBlanks();
  }

 private:
  void SkipBlanks() noexcept {
    while (pos_ < text_.size() &&
           (text_[pos_] == u' ' || text_[pos_] == u'\t' || text_[pos_] == u'\n')) {
      ++pos_;
    }
  }

  std::u16string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace

// [sign] digits [. digits] [(E|D) [sign] digits], reading as far as it fits.
double NumericValue(std::u16string_view text) {
  BlankBlindCursor cursor(text);
  DecimalBuilder number;
  if (IsSign(cursor.Peek())) {
    number.SetNegative(cursor.Peek() == u'-');
    cursor.Advance();
  }
  for (; IsDigit(cursor.Peek()); cursor.Advance()) {
    number.AddIntegerDigit(cursor.Peek());
  }
  if (cursor.Peek() == u'.') {
    cursor.Advance();
    for (; IsDigit(cursor.Peek()); cursor.Advance()) {
      number.AddFractionDigit(cursor.Peek());
    }
  }
  if (IsExponentMark(cursor.Peek())) {
    cursor.Advance();
    if (IsSign(cursor.Peek())) {
      number.SetExponentNegative(cursor.Peek() == u'-');
      cursor.Advance();
    }
    for (; IsDigit(cursor.Peek()); cursor.Advance()) {
      number.AddExponentDigit(cursor.Peek());
    }
  }
  return number.Value();
}

}  // namespace numoria

#pragma once

// Formulas of the plain grammar (numbers, X, signs, the four operators,
// groups and POW) made from a fuzzer's bytes, one byte a choice: blanks
// sprinkled among the tokens and the digits, nested five levels, and at
// times wrapped in up to 100 groups.
// When the bytes run out every choice takes its shortest way, so any input
// gives a formula. The bytes left over then erase, insert or replace one
// character, which makes a formula just off the grammar.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_input.h"

namespace numoria::fuzz {

class FormulaMaker {
 public:
  [[nodiscard]] static std::u16string Make(Bytes bytes) {
    FormulaMaker maker(bytes);
    // Now and then the whole formula in up to 100 groups, past the levels
    // the evaluation keeps without the heap.
    const auto wraps = static_cast<std::size_t>(maker.Chance(4) ? maker.Count(100) : 0);
    maker.Expression(0);
    maker.text_ = std::u16string(wraps, u'(') + maker.text_ + std::u16string(wraps, u')');
    maker.Mutate();
    return maker.text_;
  }

 private:
  explicit FormulaMaker(Bytes bytes) : bytes_(bytes) {}

  // 1 to most; 1 once the bytes are used up.
  int Count(int most) {
    if (bytes_.empty()) return 1;
    const int byte = bytes_.front();
    bytes_ = bytes_.subspan(1);
    return 1 + byte % most;
  }
  // One time in one_in; never once the bytes are used up.
  bool Chance(int one_in) { return !bytes_.empty() && Count(one_in) == 1; }
  void Add(std::u16string_view s) { text_ += s; }
  void Blanks() { text_.append(Chance(4) ? static_cast<std::size_t>(Count(2)) : 0, u' '); }
  // A few digits, now and then many, blanks among them.
  void Digits(int most = 0) {
    for (int n = Count(most > 0 ? most : Chance(16) ? 25 : 4); n > 0; --n) {
      text_ += static_cast<char16_t>(u'0' + Count(10) - 1);
      if (Chance(6)) Add(u" ");
    }
  }

  void Expression(int depth) {
    for (int t = 0, terms = Count(3); t < terms; ++t) {
      if (t > 0) Add(Chance(2) ? u"+" : u"-");
      if (t == 0 && Chance(4)) Blanks(), Add(Chance(2) ? u"-" : u"+");  // a signed first factor
      for (int f = Count(3); f > 0; --f) {
        Factor(depth);
        if (f > 1) Add(Chance(2) ? u"*" : u"/");
      }
    }
  }

  void Factor(int depth) {
    Blanks();
    const int kind = depth < 5 ? Count(12) : 1;
    if (kind == 11) {
      Add(u"("), Expression(depth + 1), Add(u")");
    } else if (kind == 12) {
      Add(u"POW"), Blanks(), Add(u"("), Expression(depth + 1), Add(u",");
      // Mostly a small whole exponent: keeps negative bases in the domain.
      Chance(4) ? Expression(depth + 1) : void(text_ += u"0123"[Count(4) - 1]);
      Add(u")");
    } else if (kind == 10) {
      Add(u"X");
    } else {
      Digits();
      if (Chance(3)) {
        Add(u".");
        if (!Chance(5)) Digits();
      }
      if (Chance(5)) {
        Add(u"E"), Blanks();
        if (Chance(2)) Add(Chance(2) ? u"-" : u"+"), Blanks();
        Digits(Chance(10) ? 3 : 2);
      }
    }
    Blanks();
  }

  // Three bytes: the change (erase, insert, replace or none), the place, and
  // the character, one the grammar knows or a tab.
  void Mutate() {
    constexpr std::u16string_view kAlphabet = u"0123456789.E+-*/(),X POW\t";
    if (bytes_.size() < 3 || text_.empty()) return;
    const int change = bytes_[0] % 4;
    const std::size_t at = bytes_[1] * text_.size() / 256;
    const char16_t c = kAlphabet[bytes_[2] % kAlphabet.size()];
    if (change == 0) text_.erase(at, 1);
    if (change == 1) text_.insert(at, 1, c);
    if (change == 2) text_[at] = c;
  }

  Bytes bytes_;
  std::u16string text_;
};

}  // namespace numoria::fuzz

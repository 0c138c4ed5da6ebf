#include "keypad/key_map.h"

#include <array>
#include <utility>

namespace numoria {
namespace {

struct TypedKey {
  char16_t typed;
  std::u16string_view control;
  // The key presses its button only from the number pad: a "," of the main
  // row is no decimal point.
  bool number_pad_only = false;
};

constexpr std::array kTypedKeys{
    TypedKey{u'0', u"Digits(0)"},
    TypedKey{u'1', u"Digits(1)"},
    TypedKey{u'2', u"Digits(2)"},
    TypedKey{u'3', u"Digits(3)"},
    TypedKey{u'4', u"Digits(4)"},
    TypedKey{u'5', u"Digits(5)"},
    TypedKey{u'6', u"Digits(6)"},
    TypedKey{u'7', u"Digits(7)"},
    TypedKey{u'8', u"Digits(8)"},
    TypedKey{u'9', u"Digits(9)"},
    TypedKey{u'.', u"DotBttn"},
    TypedKey{u',', u"DotBttn", true},
    TypedKey{u'\u066B', u"DotBttn", true},
    TypedKey{u'+', u"Plus"},
    TypedKey{u'-', u"Minus"},
    TypedKey{u'*', u"Times"},
    TypedKey{u'/', u"Div"},
    TypedKey{u'=', u"Equals"},
    TypedKey{u'r', u"Over"},
    TypedKey{u'R', u"Over"},
};

// Enter is "=", as on every calculator, whichever key has the focus; Space
// stays the toolkit's press of the focused key.
constexpr std::array<std::pair<NamedKey, std::u16string_view>, 4> kNamedKeys{{
    {NamedKey::kEnter, u"Equals"},
    {NamedKey::kEscape, u"clear"},
    {NamedKey::kDelete, u"clear"},
    {NamedKey::kF9, u"PlusMinus"},
}};

}  // namespace

std::u16string_view KeypadControlForKey(char16_t typed, NamedKey named, bool number_pad) {
  if (named != NamedKey::kNone) {
    for (const auto& [key, control] : kNamedKeys) {
      if (key == named) return control;
    }
    return {};
  }
  for (const TypedKey& key : kTypedKeys) {
    if (key.typed == typed && (number_pad || !key.number_pad_only)) return key.control;
  }
  return {};
}

}  // namespace numoria

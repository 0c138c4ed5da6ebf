#include "keypad/key_map.h"

#include <array>
#include <utility>

namespace numoria {
namespace {

// Characters that press a key besides the one kKeypadKeys gives it.
struct OtherCharacter {
  char16_t typed;
  KeypadKey key;
  // Only from the number pad: a "," of the main row is no decimal point.
  bool number_pad_only;
};

constexpr std::array kOtherCharacters{
    OtherCharacter{u',', KeypadKey::kDot, true},
    OtherCharacter{u'\u066B', KeypadKey::kDot, true},
    OtherCharacter{u'R', KeypadKey::kOver, false},
};

// Enter is "=", as on every calculator, whichever key has the focus; Space
// stays the toolkit's press of the focused key.
constexpr std::array<std::pair<NamedKey, KeypadKey>, 4> kNamedKeys{{
    {NamedKey::kEnter, KeypadKey::kEquals},
    {NamedKey::kEscape, KeypadKey::kClear},
    {NamedKey::kDelete, KeypadKey::kClear},
    {NamedKey::kF9, KeypadKey::kPlusMinus},
}};

}  // namespace

std::optional<KeypadKey> KeypadKeyFor(char16_t typed, NamedKey named, bool number_pad) {
  if (named != NamedKey::kNone) {
    for (const auto& [name, key] : kNamedKeys) {
      if (name == named) return key;
    }
    return std::nullopt;
  }
  if (typed == 0) return std::nullopt;
  for (const KeypadKeyInfo& info : kKeypadKeys) {
    if (info.typed == typed) return info.key;
  }
  for (const OtherCharacter& other : kOtherCharacters) {
    if (other.typed == typed && (number_pad || !other.number_pad_only)) return other.key;
  }
  return std::nullopt;
}

}  // namespace numoria

#pragma once

// Which keypad key a key of the keyboard presses while a keypad button has
// the focus. Free of the toolkit: a front-end reports the key as the
// character it types, or as one of the named keys below.

#include <optional>

#include "keypad/keypad.h"

namespace numoria {

// Keys that type no character of their own but press a keypad key.
// Enter is the main row's Return or the number pad's Enter.
enum class NamedKey { kNone, kEnter, kEscape, kDelete, kF9 };

// The key pressed, or nullopt for a key that presses none. typed is the
// character the key types (0 for none), named the key when it types none;
// number_pad tells that the key lies on the number pad, whose decimal key
// types "." or "," (or the Arabic decimal separator) as the keyboard layout
// has it.
[[nodiscard]] std::optional<KeypadKey> KeypadKeyFor(char16_t typed, NamedKey named,
                                                    bool number_pad);

}  // namespace numoria

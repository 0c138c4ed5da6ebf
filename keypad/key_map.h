#pragma once

// Which keypad button a key of the keyboard presses while a keypad button
// has the focus. One table, free of the toolkit; app/keypad_keys.cpp feeds it
// the keys Qt reports.

#include <string_view>

namespace numoria {

// Keys that type no character of their own but press a keypad button.
// Enter is the main row's Return or the number pad's Enter.
enum class NamedKey { kNone, kEnter, kEscape, kDelete, kF9 };

// The name of the control the key presses ("Digits(7)", "Equals", "clear"),
// or an empty name for a key that presses none. typed is the character the
// key types (0 for none), named the key when it types none; number_pad tells
// that the key lies on the number pad, whose decimal key types "." or ","
// (or the Arabic decimal separator) as the keyboard layout has it.
[[nodiscard]] std::u16string_view KeypadControlForKey(char16_t typed, NamedKey named,
                                                      bool number_pad);

}  // namespace numoria

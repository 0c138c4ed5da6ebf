// Placeholder until the keypad lands.
#include "keypad/keypad.h"
namespace numoria {
void Keypad::Digits_Click(std::int16_t) {}
void Keypad::DotBttn_Click() {}
void Keypad::Plus_Click() {}
void Keypad::Minus_Click() {}
void Keypad::Times_Click() {}
void Keypad::Div_Click() {}
void Keypad::Equals_Click() {}
void Keypad::PlusMinus_Click() {}
void Keypad::Over_Click() {}
void Keypad::clear_Click() {}
}  // namespace numoria

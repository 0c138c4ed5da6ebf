#pragma once

// Every control of the window by a constant of its own, in the order of the
// window description (app/window_description.cpp), which checks at compile
// time that each constant has its entry there. A misspelt control is a
// compile error, and a name read from a toolkit maps back through
// ControlNamed, which knows only the described names.

#include <cstddef>
#include <cstdint>

namespace numoria {

enum class Control : std::uint8_t {
  kForm1,
  kLabel1_0,
  kFrame1,
  kDisplay,
  kDigits1,
  kDigits2,
  kDigits3,
  kDigits4,
  kDigits5,
  kDigits6,
  kDigits7,
  kDigits8,
  kDigits9,
  kClear,
  kDigits0,
  kDotBttn,
  kPlusMinus,
  kOver,
  kPlus,
  kMinus,
  kTimes,
  kDiv,
  kEquals,
  kFrame2,
  kLabel2,
  kText1,
  kCommand1,
  kLabel1_1,
  kLabel3,
  kFrame3,
  kLabel4,
  kText2,
  kLabel5,
  kLabel6,
  kLabzhe,
  kHScroll1,
  kLabel8,
  kLabxj,
  kFrame4,
  kLabel7,
  kText3,
  kLabel9,
  kText4,
  kLabel11,
  kLabel12,
  kLabel10,
  kTimer1,
  // The window's actions: entries of context menus, one with a shortcut.
  kCopyChequeAmount,
  kCopyChequeAmountRmb,
  kCopyDisplay,
  kCopyLabel2,
  kCopyLabxj,
};

inline constexpr std::size_t kControlCount = static_cast<std::size_t>(Control::kCopyLabxj) + 1;

[[nodiscard]] constexpr std::size_t IndexOf(Control control) {
  return static_cast<std::size_t>(control);
}

}  // namespace numoria

#pragma once

// The window and every control on it as plain data: kind, parent, caption,
// position and size in twips, tab index, font, colours, drawing flags, how a
// text box stores what is typed, how a result label copies, and the actions
// of the context menus. Nothing here knows the toolkit; each front-end turns
// the table into its widgets, and tests read it without a display.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "app/control.h"

namespace numoria::window {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kNoTabIndex = -1;

[[nodiscard]] constexpr int Pixels(int twips) { return twips / kTwipsPerPixel; }

// Font sizes are kept in tenths of a point; 96 dots per inch make
// 72 points an inch of 96 pixels.
[[nodiscard]] constexpr int PixelSize(int point_tenths) { return point_tenths * 96 / 720; }

// An action is an entry of the context menus of the controls that list it
// in their `menu`.
enum class Kind : std::uint8_t {
  kForm,
  kFrame,
  kLabel,
  kTextBox,
  kButton,
  kHScrollBar,
  kTimer,
  kAction
};

// Colours of the system scheme a control may take instead of a fixed one.
enum class SystemColour : std::uint8_t { kButtonFace, kHighlightText };

struct Colour {
  enum class Source : std::uint8_t { kInherited, kFixed, kSystem };
  Source source = Source::kInherited;
  std::uint32_t rgb = 0;  // 0xRRGGBB, for kFixed
  SystemColour system = SystemColour::kButtonFace;
};

[[nodiscard]] constexpr Colour Fixed(std::uint32_t rgb) {
  return {Colour::Source::kFixed, rgb, SystemColour::kButtonFace};
}
[[nodiscard]] constexpr Colour System(SystemColour colour) {
  return {Colour::Source::kSystem, 0, colour};
}

// An empty face means the parent's font.
struct Font {
  std::u16string_view face;
  int point_tenths = 0;
  int weight = 400;  // 400 regular, 700 bold
  int charset = 0;   // 134 Simplified Chinese (GB2312), 0 Western
};

struct Twips {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// Scroll bar settings: value range and the steps of an arrow and a trough click.
struct Range {
  int minimum = 0;
  int maximum = 0;
  int small_change = 0;
  int large_change = 0;
};

enum class Alignment : std::uint8_t { kLeft, kRight };
enum class Border : std::uint8_t { kNone, kFixedSingle };

// What a text box stores of what the user types or pastes.
enum class Input : std::uint8_t {
  kAsTyped,  // everything as it comes
  kLine,     // full-width characters folded to ASCII, a paste on one line, a formula
  kPrice,    // as kLine, one value, and a paste loses currency marks
  kAmount,   // as kPrice, and a paste loses grouping commas too
};

// What a label's copy action puts on the clipboard (app/copy_rules.h).
enum class CopyRule : std::uint8_t {
  kNone,          // the label does not copy
  kWhole,         // its whole caption
  kResultNumber,  // the number after "计算结果为: "
  kCurrentPrice,  // the price without its "元"
};

// A key with Ctrl and Shift, as an action's shortcut: key 0 for none.
struct Shortcut {
  char16_t key = 0;  // the letter, upper case
  bool ctrl = false;
  bool shift = false;
};

struct ControlDescription {
  Control id = Control::kForm1;
  std::u16string_view name;  // array members carry their index: "Digits(3)"
  Kind kind = Kind::kLabel;
  std::u16string_view parent;  // empty for the form itself
  std::u16string_view caption;
  Twips geometry;  // relative to the parent's outer rectangle
  int tab_index = kNoTabIndex;
  Font font;
  Colour fore;
  Colour back;
  bool transparent = false;  // labels: draw the text only
  bool auto_size = false;    // labels: take the size of the text on one line
  Alignment alignment = Alignment::kLeft;
  Border border = Border::kNone;
  std::u16string_view accessible_name;
  // Output labels, which are read by what they show: what a screen reader
  // hears while the caption is empty, instead of the frame's title.
  std::u16string_view empty_caption_name;
  // Outputs in their parent's font: a text too wide is drawn narrower,
  // never cut (textnum/text_fit.h).
  bool shown_whole = false;
  Range range;          // scroll bars
  int interval_ms = 0;  // timers
  Input input = Input::kAsTyped;   // text boxes
  CopyRule copy = CopyRule::kNone;  // labels; one that copies is selectable by mouse
  bool keeps_tail = false;  // labels: a caption too long shows its end, cut at the left
  std::span<const Control> menu;  // actions heading its context menu
  Shortcut shortcut;              // actions: works in each control whose menu lists it
  bool enabled = true;            // actions, at start
};

// Every control, parents before their children, the form first; entry i
// describes the control whose constant has the value i.
[[nodiscard]] std::span<const ControlDescription> Description();

[[nodiscard]] const ControlDescription& Describe(Control control);

// The control of a name ("Text3", "Digits(5)"); nullopt for any other.
[[nodiscard]] std::optional<Control> ControlNamed(std::u16string_view name);

// The control whose context menu lists the action; the first one if several do.
[[nodiscard]] Control MenuHost(Control action);

// The accessible name of a control that shows caption: its own name when it
// has one, else its empty_caption_name while the caption is empty, else ""
// (the caption itself is read).
[[nodiscard]] std::u16string_view AccessibleName(const ControlDescription& entry,
                                                 std::u16string_view caption);

}  // namespace numoria::window

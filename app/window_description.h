#pragma once

// The window and every control on it as plain data: kind, parent, caption,
// position and size in twips, tab index, font, colours and drawing flags.
// Nothing here knows the toolkit; window_builder.cpp turns the table into
// widgets, and tests read it without a display.

#include <cstdint>
#include <span>
#include <string_view>

namespace numoria::window {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kNoTabIndex = -1;

[[nodiscard]] constexpr int Pixels(int twips) { return twips / kTwipsPerPixel; }

// Font sizes are kept in tenths of a point; 96 dots per inch make
// 72 points an inch of 96 pixels.
[[nodiscard]] constexpr int PixelSize(int point_tenths) { return point_tenths * 96 / 720; }

enum class Kind : std::uint8_t { kForm, kFrame, kLabel, kTextBox, kButton, kHScrollBar, kTimer };

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

struct ControlDescription {
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
};

// Every control, parents before their children; the form comes first.
[[nodiscard]] std::span<const ControlDescription> Description();

// The accessible name of a control that shows caption: its own name when it
// has one, else its empty_caption_name while the caption is empty, else ""
// (the caption itself is read).
[[nodiscard]] std::u16string_view AccessibleName(const ControlDescription& entry,
                                                 std::u16string_view caption);

// The entry of a control, or nullptr for an unknown name.
[[nodiscard]] const ControlDescription* FindControl(std::u16string_view name);

}  // namespace numoria::window

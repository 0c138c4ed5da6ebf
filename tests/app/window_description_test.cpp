#include "app/window_description.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace numoria::window {
namespace {

std::string Name(std::u16string_view name) { return {name.begin(), name.end()}; }

TEST(WindowDescription, PixelPlacesAndFontsOfControls) {
  struct Case {
    std::u16string_view name, parent;
    int left, top, width, height;
  };
  // clang-format off
  constexpr Case kCases[] = {
      {u"Form1", u"", 0, 0, 634, 407}, {u"Display", u"Frame1", 16, 24, 249, 33},
      {u"Frame2", u"Form1", 320, 48, 297, 137}, {u"Label12", u"Form1", 120, 376, 185, 25},
      {u"clear", u"Frame1", 16, 216, 33, 37}, {u"DotBttn", u"Frame1", 120, 216, 33, 35},
      {u"Equals", u"Frame1", 168, 224, 97, 25}, {u"Label2", u"Frame2", 16, 24, 168, 12},
      {u"Label1(1)", u"Frame2", 16, 96, 252, 12}, {u"HScroll1", u"Frame3", 16, 72, 257, 17},
      {u"Text3", u"Frame4", 88, 16, 145, 18}};
  constexpr struct { std::u16string_view name; int pixels, weight; } kFonts[] = {
      {u"Form1", 12, 400}, {u"Label1(0)", 24, 400}, {u"Label12", 14, 400},
      {u"Digits(5)", 14, 700}, {u"DotBttn", 16, 700}, {u"Display", 18, 400}};
  // clang-format on
  for (const auto& c : kCases) {
    SCOPED_TRACE(Name(c.name));
    const ControlDescription* entry = FindControl(c.name);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->parent, c.parent);
    const Twips& g = entry->geometry;
    EXPECT_EQ((std::array{Pixels(g.left), Pixels(g.top), Pixels(g.width), Pixels(g.height)}),
              (std::array{c.left, c.top, c.width, c.height}));
  }
  for (const auto& c : kFonts) {
    SCOPED_TRACE(Name(c.name));
    const ControlDescription* entry = FindControl(c.name);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(PixelSize(entry->font.point_tenths), c.pixels);
    EXPECT_EQ(entry->font.weight, c.weight);
  }
}

TEST(WindowDescription, EveryControlOnceAndUnknownNamesAbsent) {
  EXPECT_EQ(Description().size(), 47U);  // the form, 45 controls, the timer
  for (const ControlDescription& entry : Description()) {
    SCOPED_TRACE(Name(entry.name));
    EXPECT_EQ(FindControl(entry.name), &entry);
  }
  for (const std::u16string_view name : {u"Digits", u"Digits(10)", u"display", u""}) {
    EXPECT_EQ(FindControl(name), nullptr) << Name(name);
  }
}

}  // namespace
}  // namespace numoria::window

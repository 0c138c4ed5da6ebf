#pragma once

// The window's background picture as compiled-in data: a palette and one
// palette index a pixel, row by row. The source file is generated at build
// time from background.png by embed_picture.

#include <array>
#include <cstdint>

namespace numoria {

inline constexpr int kBackgroundWidth = 700;
inline constexpr int kBackgroundHeight = 600;
inline constexpr int kBackgroundColours = 57;

// 0xAARRGGBB, as Qt's colour tables hold them.
extern const std::array<std::uint32_t, kBackgroundColours> kBackgroundPalette;
extern const std::array<std::uint8_t, kBackgroundWidth * kBackgroundHeight> kBackgroundIndexes;

}  // namespace numoria

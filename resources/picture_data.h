#pragma once

// The window's pictures as compiled-in data, so that start-up decodes none:
// the background as a palette and one palette index a pixel, the icon images
// as one 0xAARRGGBB value a pixel, all row by row. The source file is
// generated at build time by embed_picture.

#include <array>
#include <cstdint>

namespace numoria {

inline constexpr int kBackgroundWidth = 700;
inline constexpr int kBackgroundHeight = 600;
inline constexpr int kBackgroundColours = 57;

// 0xAARRGGBB, as Qt's colour tables hold them.
extern const std::array<std::uint32_t, kBackgroundColours> kBackgroundPalette;
extern const std::array<std::uint8_t, kBackgroundWidth * kBackgroundHeight> kBackgroundIndexes;

// Square icon images, not premultiplied.
extern const std::array<std::uint32_t, 16 * 16> kIcon16Pixels;
extern const std::array<std::uint32_t, 32 * 32> kIcon32Pixels;

}  // namespace numoria

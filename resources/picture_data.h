#pragma once

// The window's pictures as compiled-in data, so that start-up decodes none
// of them: the background as one colour index a pixel into its table of 57
// colours, row by row, drawn from where it lies (a quarter of the memory of
// full pixels; the painter looks the colours up as it draws), the icons as
// one 0xAARRGGBB value a pixel. The source file is generated at build time
// by embed_picture.

#include <array>
#include <cstdint>

namespace numoria {

inline constexpr int kBackgroundWidth = 700;
inline constexpr int kBackgroundHeight = 600;
inline constexpr int kBackgroundColours = 57;

extern const std::array<std::uint8_t, kBackgroundWidth * kBackgroundHeight> kBackgroundIndices;
// Opaque, alpha 0xFF.
extern const std::array<std::uint32_t, kBackgroundColours> kBackgroundColourTable;

// Square icon images, not premultiplied.
extern const std::array<std::uint32_t, 16 * 16> kIcon16Pixels;
extern const std::array<std::uint32_t, 32 * 32> kIcon32Pixels;

}  // namespace numoria

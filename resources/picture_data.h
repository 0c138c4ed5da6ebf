#pragma once

// The window's pictures as compiled-in data, one 0xAARRGGBB value a pixel,
// row by row, so that start-up neither decodes nor converts any of them: the
// background is already in the screen's own pixel format and is drawn
// straight from where it lies. The source file is generated at build time by
// embed_picture.

#include <array>
#include <cstdint>

namespace numoria {

inline constexpr int kBackgroundWidth = 700;
inline constexpr int kBackgroundHeight = 600;
inline constexpr int kBackgroundColours = 57;

// Opaque, alpha 0xFF.
extern const std::array<std::uint32_t, kBackgroundWidth * kBackgroundHeight> kBackgroundPixels;

// Square icon images, not premultiplied.
extern const std::array<std::uint32_t, 16 * 16> kIcon16Pixels;
extern const std::array<std::uint32_t, 32 * 32> kIcon32Pixels;

}  // namespace numoria

#include "resources/pictures.h"

#include <QImage>
#include <array>
#include <cstdint>

#include "resources/picture_data.h"

namespace numoria {
namespace {

// Wraps compiled-in 0xAARRGGBB pixels without copying them.
template <std::size_t kPixels>
[[nodiscard]] QImage SquareImage(const std::array<std::uint32_t, kPixels>& pixels, int side) {
  return QImage(reinterpret_cast<const uchar*>(pixels.data()), side, side,
                side * static_cast<int>(sizeof(std::uint32_t)), QImage::Format_ARGB32);
}

}  // namespace

QImage background_picture() {
  return QImage(reinterpret_cast<const uchar*>(kBackgroundPixels.data()), kBackgroundWidth,
                kBackgroundHeight, kBackgroundWidth * static_cast<int>(sizeof(std::uint32_t)),
                QImage::Format_RGB32);
}

QIcon program_icon() {
  QIcon icon;
  // Both sizes are drawn by hand, so neither should be scaled from the other.
  icon.addPixmap(QPixmap::fromImage(SquareImage(kIcon16Pixels, 16)));
  icon.addPixmap(QPixmap::fromImage(SquareImage(kIcon32Pixels, 32)));
  return icon;
}

}  // namespace numoria

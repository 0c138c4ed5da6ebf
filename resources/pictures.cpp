#include "resources/pictures.h"

#include <QImage>
#include <QList>
#include <array>
#include <cstdint>

#include "resources/picture_data.h"

namespace numoria {
namespace {

// Wraps compiled-in 0xAARRGGBB pixels without copying them.
template <std::size_t kPixels>
[[nodiscard]] QImage Wrap(const std::array<std::uint32_t, kPixels>& pixels, int width,
                          QImage::Format format) {
  return QImage(reinterpret_cast<const uchar*>(pixels.data()), width,
                static_cast<int>(kPixels) / width, width * static_cast<int>(sizeof(std::uint32_t)),
                format);
}

}  // namespace

QImage background_picture() {
  QImage picture(kBackgroundIndices.data(), kBackgroundWidth, kBackgroundHeight, kBackgroundWidth,
                 QImage::Format_Indexed8);
  picture.setColorTable(QList<QRgb>(kBackgroundColourTable.begin(), kBackgroundColourTable.end()));
  return picture;
}

QIcon program_icon() {
  QIcon icon;
  // Both sizes are drawn by hand, so neither should be scaled from the other.
  icon.addPixmap(QPixmap::fromImage(Wrap(kIcon16Pixels, 16, QImage::Format_ARGB32)));
  icon.addPixmap(QPixmap::fromImage(Wrap(kIcon32Pixels, 32, QImage::Format_ARGB32)));
  return icon;
}

}  // namespace numoria

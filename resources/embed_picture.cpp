// Build-time tool: turns an 8-bit palette picture into C++ source holding its
// palette and pixel indexes, so that the program shows the picture without
// decoding anything at start-up.
//
// Usage: embed_picture INPUT.png OUTPUT.cpp
// The output defines numoria::kBackgroundPalette and kBackgroundIndexes
// (declared in resources/background_data.h).

#include <QColor>
#include <QImage>
#include <cstdio>
#include <fstream>
#include <string>

#include "resources/background_data.h"

namespace {

constexpr int kBytesPerLine = 24;

bool WriteSource(const QImage& image, const char* path) {
  std::ofstream out(path, std::ios::binary);
  out << "// Generated at build time by embed_picture from the background picture.\n"
         "#include \"resources/background_data.h\"\n\nnamespace numoria {\n\n"
         "const std::array<std::uint32_t, "
      << image.colorCount() << "> kBackgroundPalette{\n";
  for (const QRgb colour : image.colorTable()) {
    char entry[24];
    std::snprintf(entry, sizeof entry, "    0x%08X,\n", static_cast<unsigned>(colour));
    out << entry;
  }
  out << "};\n\nalignas(4) const std::array<std::uint8_t, " << image.width() * image.height()
      << "> kBackgroundIndexes{";
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    const uchar* line = image.constScanLine(y);
    for (int x = 0; x < image.width(); ++x, ++count) {
      out << (count % kBytesPerLine == 0 ? "\n    " : " ") << static_cast<int>(line[x]) << ',';
    }
  }
  out << "\n};\n\n}  // namespace numoria\n";
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: embed_picture INPUT.png OUTPUT.cpp\n");
    return 2;
  }
  const QImage image(QString::fromLocal8Bit(argv[1]));
  if (image.format() != QImage::Format_Indexed8 || image.width() != numoria::kBackgroundWidth ||
      image.height() != numoria::kBackgroundHeight ||
      image.colorCount() != numoria::kBackgroundColours) {
    std::fprintf(stderr, "embed_picture: %s is not a %d x %d picture of %d colours\n", argv[1],
                 numoria::kBackgroundWidth, numoria::kBackgroundHeight,
                 numoria::kBackgroundColours);
    return 1;
  }
  if (!WriteSource(image, argv[2])) {
    std::fprintf(stderr, "embed_picture: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}

// Build-time tool: turns the program's pictures into C++ source, so that the
// program shows them without decoding or converting anything (or loading Qt's
// image format plug-ins) at start-up.
//
// Usage: embed_picture OUTPUT.cpp BACKGROUND.png ICON16.png ICON32.png
// The output defines the arrays declared in resources/picture_data.h.

#include <QImage>
#include <cstdio>
#include <fstream>
#include <string>

#include "resources/picture_data.h"

namespace {

constexpr int kValuesPerLine = 12;

// One array definition: `values` values, formatted by `write_value`.
template <typename WriteValue>
void WriteArray(std::ofstream& out, const char* type, const char* name, int values,
                WriteValue write_value) {
  out << "alignas(4) const std::array<" << type << ", " << values << "> " << name << "{";
  for (int i = 0; i < values; ++i) {
    out << (i % kValuesPerLine == 0 ? "\n    " : " ");
    write_value(i);
    out << ',';
  }
  out << "\n};\n\n";
}

void WriteHex(std::ofstream& out, unsigned value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", value);
  out << text;
}

void WritePixels(std::ofstream& out, const char* name, const QImage& image) {
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  const int width = argb.width();
  WriteArray(out, "std::uint32_t", name, width * argb.height(), [&](int i) {
    WriteHex(out, reinterpret_cast<const QRgb*>(argb.constScanLine(i / width))[i % width]);
  });
}

void WriteIndices(std::ofstream& out, const QImage& image) {
  const int width = image.width();
  WriteArray(out, "std::uint8_t", "kBackgroundIndices", width * image.height(),
             [&](int i) { out << static_cast<unsigned>(image.constScanLine(i / width)[i % width]); });
  WriteArray(out, "std::uint32_t", "kBackgroundColourTable", image.colorCount(),
             [&](int i) { WriteHex(out, image.color(i) | 0xFF000000U); });
}

bool Fail(const char* path, const char* what) {
  std::fprintf(stderr, "embed_picture: %s %s\n", path, what);
  return false;
}

bool IsBackground(const QImage& image) {
  return image.format() == QImage::Format_Indexed8 && image.width() == numoria::kBackgroundWidth &&
         image.height() == numoria::kBackgroundHeight &&
         image.colorCount() == numoria::kBackgroundColours;
}

bool Embed(const char* output, const char* background_path, const char* icon16_path,
           const char* icon32_path) {
  const QImage background(QString::fromLocal8Bit(background_path));
  if (!IsBackground(background)) return Fail(background_path, "is not the 57-colour background");
  const QImage icon16(QString::fromLocal8Bit(icon16_path));
  if (icon16.size() != QSize(16, 16)) return Fail(icon16_path, "is not a 16 x 16 picture");
  const QImage icon32(QString::fromLocal8Bit(icon32_path));
  if (icon32.size() != QSize(32, 32)) return Fail(icon32_path, "is not a 32 x 32 picture");

  std::ofstream out(output, std::ios::binary);
  out << "// Generated at build time by embed_picture.\n"
         "#include \"resources/picture_data.h\"\n\nnamespace numoria {\n\n";
  WriteIndices(out, background);
  WritePixels(out, "kIcon16Pixels", icon16);
  WritePixels(out, "kIcon32Pixels", icon32);
  out << "}  // namespace numoria\n";
  return out ? true : Fail(output, "cannot be written");
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: embed_picture OUTPUT.cpp BACKGROUND.png ICON16.png ICON32.png\n");
    return 2;
  }
  return Embed(argv[1], argv[2], argv[3], argv[4]) ? 0 : 1;
}

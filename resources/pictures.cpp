#include "resources/pictures.h"

#include <QImage>
#include <QList>

#include "resources/background_data.h"

namespace numoria {

QPixmap background_picture() {
  // The compiled-in indexes are wrapped, not copied; the one conversion is
  // into the screen's pixel format.
  QImage indexed(kBackgroundIndexes.data(), kBackgroundWidth, kBackgroundHeight,
                 kBackgroundWidth, QImage::Format_Indexed8);
  indexed.setColorTable(QList<QRgb>(kBackgroundPalette.begin(), kBackgroundPalette.end()));
  return QPixmap::fromImage(indexed);
}

QIcon program_icon() {
  QIcon icon;
  // Both sizes are drawn by hand, so neither should be scaled from the other.
  icon.addFile(QString::fromLatin1(kIcon16Resource), QSize(16, 16));
  icon.addFile(QString::fromLatin1(kIcon32Resource), QSize(32, 32));
  return icon;
}

}  // namespace numoria

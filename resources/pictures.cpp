#include "resources/pictures.h"

namespace numoria {

QPixmap background_picture() { return QPixmap(QString::fromLatin1(kBackgroundResource)); }

QIcon program_icon() {
  QIcon icon;
  // Both sizes are drawn by hand, so neither should be scaled from the other.
  icon.addFile(QString::fromLatin1(kIcon16Resource), QSize(16, 16));
  icon.addFile(QString::fromLatin1(kIcon32Resource), QSize(32, 32));
  return icon;
}

}  // namespace numoria

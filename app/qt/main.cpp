#include <QApplication>

#include "app/qt/font_fallback.h"
#include "app/qt/main_window.h"

int main(int argc, char* argv[]) {
  numoria::LoadFontConfiguration();
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Numoria"));
  QApplication::setApplicationVersion(QStringLiteral("1.00"));
  // Lets the desktop match the window to its menu entry and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.numoria.numoria"));
  numoria::MainWindow window;
  window.show();
  return QApplication::exec();
}

#include <QApplication>

#include "app/main_window.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Numoria"));
  QApplication::setApplicationVersion(QStringLiteral("1.00"));
  numoria::MainWindow window;
  window.show();
  return QApplication::exec();
}

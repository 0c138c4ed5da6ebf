// The Numoria window started exactly as the program's main() starts it, with
// the first-frame probe attached.

#include <QApplication>

#include "app/qt/main_window.h"
#include "bench/startup_probe.h"

int main(int argc, char* argv[]) {
  const bool stay = numoria::bench::StayRequested(argc, argv);
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Numoria"));
  QApplication::setApplicationVersion(QStringLiteral("1.00"));
  numoria::MainWindow window;
  numoria::bench::FirstFrameProbe probe(window, stay);
  window.show();
  return QApplication::exec();
}

// The yardstick: a bare Qt Widgets window of the same size with one label,
// started the same way and built with the same flags as the Numoria probe.

#include <QApplication>
#include <QLabel>

#include "bench/startup_probe.h"

int main(int argc, char* argv[]) {
  const bool stay = numoria::bench::StayRequested(argc, argv);
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Bare"));
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare"));
  window.resize(634, 407);
  QLabel label(QStringLiteral("Bare Qt window"), &window);
  label.move(16, 16);
  numoria::bench::FirstFrameProbe probe(window, stay);
  window.show();
  return QApplication::exec();
}

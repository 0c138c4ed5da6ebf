// The yardstick for start-up: a bare Qt Widgets window of the Numoria
// window's client size, built with the same flags against the same Qt.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.resize(634, 407);
  window.show();
  return QApplication::exec();
}

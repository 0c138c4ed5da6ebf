#pragma once

// Numoria's window, Form1: four tools side by side and a clock.
//
// How a keystroke or a click travels:
//   1. window_description.cpp  every control as data (kind, parent, twips, tab
//                              index, fonts, colours);
//   2. window_builder.cpp      turns that table into Qt widgets named after
//                              their controls;
//   3. bindings.cpp            the one (control, event, handler) table; a Qt
//                              signal (clicked, textChanged, valueChanged,
//                              timeout) or the window's activation runs the
//                              handler;
//   4. the handler             keypad/keypad.cpp, expression/panel.cpp,
//                              capital/capital.cpp, discount/discount.cpp,
//                              app/activate.cpp, app/clock.cpp: toolkit-free
//                              code reading and writing controls by name;
//   5. widget_controls.cpp     the Controls accessor over the widgets: the
//                              captions and texts the handler writes appear.

#include <QImage>
#include <QWidget>
#include <memory>
#include <string_view>

namespace numoria {

class EventBindings;
class Keypad;
class WidgetControls;

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  MainWindow();
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Evaluates a formula with X = xxx; Good tells whether it could.
  [[nodiscard]] double CalculateString(std::u16string_view Exppression, bool& Good,
                                       double xxx) const;

  [[nodiscard]] WidgetControls& controls() { return *controls_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage background_;
  std::unique_ptr<WidgetControls> controls_;
  // The keypad's four variables live as long as the window.
  std::unique_ptr<Keypad> keypad_;
  // Last, so that it goes first: no handler runs on a half-destroyed window.
  std::unique_ptr<EventBindings> bindings_;
};

}  // namespace numoria

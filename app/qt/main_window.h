#pragma once

// Numoria's window, Form1: four tools side by side and a clock.
//
// How a keystroke or a click travels:
//   1. app/window_description.cpp  every control, action and menu as data;
//   2. app/qt/window_builder.cpp   turns it into Qt widgets and actions named
//                                  after their controls;
//   3. app/qt/signal_bindings.cpp  a Qt signal (clicked, triggered,
//                                  textChanged, valueChanged, timeout, a
//                                  context menu) or the window's activation
//                                  becomes one WindowModel::Dispatch;
//      app/qt/keypad_keys.cpp      a key on a keypad button: the button the
//                                  model's KeyTarget names is pressed;
//   4. app/bindings.cpp            the one (control, event, handler) table
//                                  runs the handlers: keypad/keypad.cpp,
//                                  expression/panel.cpp, capital/handlers.cpp,
//                                  discount/handlers.cpp, app/activate.cpp,
//                                  app/timer.cpp, app/copy_rules.cpp, free of
//                                  the toolkit, reading and writing controls;
//   5. app/qt/widget_controls.cpp  the Controls accessor over the widgets: the
//                                  captions and texts the handler writes appear.

#include <QImage>
#include <QWidget>
#include <memory>
#include <string_view>

namespace numoria {

class SignalBindings;
class WidgetControls;
class WindowModel;

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
  std::unique_ptr<WindowModel> model_;
  // Last, so that it goes first: no handler runs on a half-destroyed window.
  std::unique_ptr<SignalBindings> bindings_;
};

}  // namespace numoria

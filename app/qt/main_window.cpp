#include "app/qt/main_window.h"

#include <QPainter>

#include "app/qt/fonts.h"
#include "app/qt/keypad_keys.h"
#include "app/qt/signal_bindings.h"
#include "app/qt/toolkit_translation.h"
#include "app/qt/widget_controls.h"
#include "app/qt/window_builder.h"
#include "app/window_model.h"
#include "expression/evaluator.h"
#include "resources/pictures.h"

namespace numoria {

MainWindow::MainWindow() : background_(background_picture()) {
  InstallEmbeddedFonts();
  InstallToolkitTranslation();
  BuildWindow(*this);
  setWindowIcon(program_icon());
  controls_ = std::make_unique<WidgetControls>(*this);
  model_ = std::make_unique<WindowModel>(*controls_);
  bindings_ = std::make_unique<SignalBindings>(*this, *controls_, *model_);
  // Owned by the window, like its controls.
  new KeypadKeys(*this, *model_);
}

MainWindow::~MainWindow() = default;

double MainWindow::CalculateString(std::u16string_view Exppression, bool& Good, double xxx) const {
  return numoria::CalculateString(Exppression, Good, xxx);
}

void MainWindow::paintEvent(QPaintEvent* /*event*/) {
  // The button-face colour is already filled in; the picture covers it once,
  // unscaled and untiled, from the top-left corner.
  if (background_.isNull()) return;
  QPainter painter(this);
  painter.drawImage(0, 0, background_);
}

}  // namespace numoria

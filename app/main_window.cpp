#include "app/main_window.h"

#include <QPainter>

#include "app/bindings.h"
#include "app/cheque_actions.h"
#include "app/copyable_labels.h"
#include "app/fonts.h"
#include "app/keypad_keys.h"
#include "app/toolkit_translation.h"
#include "app/widget_controls.h"
#include "app/window_builder.h"
#include "expression/evaluator.h"
#include "keypad/keypad.h"
#include "resources/pictures.h"

namespace numoria {

MainWindow::MainWindow() : background_(background_picture()) {
  InstallEmbeddedFonts();
  InstallToolkitTranslation();
  BuildWindow(*this);
  setWindowIcon(program_icon());
  controls_ = std::make_unique<WidgetControls>(*this);
  keypad_ = std::make_unique<Keypad>(*controls_);
  bindings_ = std::make_unique<EventBindings>(*this, Handlers{*controls_, *keypad_});
  // Owned by the window, like its controls.
  new ChequeActions(*this);
  new KeypadKeys(*this);
  new CopyableLabels(*this);
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

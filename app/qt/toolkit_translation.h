#pragma once

namespace numoria {

// Installs Qt's own Simplified Chinese translation of its widgets (message
// box buttons, the text boxes' and scroll bar's context menus), whatever the
// user's locale: the window is Chinese throughout. Does its work once per
// process; without the translation file the toolkit's texts stay English.
void InstallToolkitTranslation();

}  // namespace numoria

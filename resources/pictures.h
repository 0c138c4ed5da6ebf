#pragma once

// The pictures compiled into the program: the window's background texture
// and the program icon (resources/picture_data.h).

#include <QIcon>
#include <QImage>

namespace numoria {

// The 700 x 600 background picture, meant to be drawn unscaled at the client
// area's top-left corner. It refers to the compiled-in colour indices where
// they lie; the painter turns them into colours row by row as it draws.
[[nodiscard]] QImage background_picture();

// The program icon with its 16 and 32 px images, for the window and taskbar.
[[nodiscard]] QIcon program_icon();

}  // namespace numoria

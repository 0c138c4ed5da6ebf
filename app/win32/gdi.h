#pragma once

// Owning handles for the GDI objects the window keeps: created once, deleted
// with their owner.

#include <windows.h>

#include <memory>
#include <type_traits>

namespace numoria::win32 {

struct GdiDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiDeleter>;
using Brush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiDeleter>;
using Bitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiDeleter>;

struct MenuDeleter {
  void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using Menu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;

}  // namespace numoria::win32

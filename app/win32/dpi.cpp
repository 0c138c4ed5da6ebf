#include "app/win32/dpi.h"

namespace numoria::win32 {
namespace {

// Functions of newer Windows versions, looked up at run time so that the
// program still starts where they are missing.
template <typename Function>
[[nodiscard]] Function UserFunction(const char* name) {
  const HMODULE user = GetModuleHandleW(L"user32.dll");
  const FARPROC found = user != nullptr ? GetProcAddress(user, name) : nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

}  // namespace

UINT WindowDpi(HWND window) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto get_dpi = UserFunction<GetDpiForWindowFn>("GetDpiForWindow");
  if (get_dpi != nullptr && window != nullptr) {
    if (const UINT dpi = get_dpi(window); dpi != 0) return dpi;
  }
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : kStandardDpi;
}

SIZE OuterSize(int client_width, int client_height, DWORD style, UINT dpi) {
  using AdjustForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
  static const auto adjust = UserFunction<AdjustForDpiFn>("AdjustWindowRectExForDpi");
  RECT rect{0, 0, client_width, client_height};
  if (adjust == nullptr || !adjust(&rect, style, FALSE, 0, dpi)) {
    AdjustWindowRectEx(&rect, style, FALSE, 0);
  }
  return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace numoria::win32

#pragma once

// Accessible names (Microsoft Active Accessibility): a control whose caption
// does not say what it does ("1/x", a text box) is named by the description.

#include <windows.h>

#include <string_view>

struct IAccPropServices;

namespace numoria::win32 {

class AccessibleNames {
 public:
  // Starts COM on the calling thread for as long as the object lives.
  AccessibleNames();
  ~AccessibleNames();
  AccessibleNames(const AccessibleNames&) = delete;
  AccessibleNames& operator=(const AccessibleNames&) = delete;

  void Name(HWND control, std::u16string_view name);

 private:
  ::IAccPropServices* services_ = nullptr;
  bool com_ = false;
};

}  // namespace numoria::win32

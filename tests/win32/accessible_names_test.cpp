// Screen readers read a keypad symbol key by what it does and a text box by
// the description's name (Microsoft Active Accessibility).
#include <oleacc.h>

#include "tests/win32/window_fixture.h"

namespace numoria::win32::testing {
namespace {

[[nodiscard]] std::wstring AccessibleName(HWND control) {
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                        __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&object)))) {
    return L"(none)";
  }
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  std::wstring text;
  if (SUCCEEDED(object->get_accName(self, &name)) && name != nullptr) text = name;
  SysFreeString(name);
  object->Release();
  return text;
}

TEST_F(WindowTest, ControlsAreNamedForScreenReaders) {
  for (const auto& [control, name] : {std::pair{u"Over", L"倒数"}, std::pair{u"Text3", L"小写金额"},
                                      std::pair{u"Digits(7)", L"数字 7"}}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(AccessibleName(Control(control)), name);
  }
}

}  // namespace
}  // namespace numoria::win32::testing

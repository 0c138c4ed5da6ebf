#include "app/win32/accessibility.h"

#include <initguid.h>
#include <oleacc.h>

#include "app/win32/wide.h"

namespace numoria::win32 {
namespace {

// Declared by oleacc.h but defined in no import library of mingw-w64.
constexpr CLSID kAccPropServices{
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};

}  // namespace

AccessibleNames::AccessibleNames()
    : com_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
  void* services = nullptr;
  if (SUCCEEDED(CoCreateInstance(kAccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_IAccPropServices, &services))) {
    services_ = static_cast<IAccPropServices*>(services);
  }
}

AccessibleNames::~AccessibleNames() {
  if (services_ != nullptr) services_->Release();
  if (com_) CoUninitialize();
}

void AccessibleNames::Name(HWND control, std::u16string_view name) {
  if (services_ == nullptr || name.empty()) return;
  const std::wstring text = Wide(name);
  // The annotation lasts as long as the control's window.
  services_->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                            PROPID_ACC_NAME, text.c_str());
}

}  // namespace numoria::win32

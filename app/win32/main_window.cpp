#include "app/win32/main_window.h"

#include <commctrl.h>
#include <objbase.h>

#include <algorithm>

#include "app/win32/dpi.h"
#include "app/win32/frame.h"
#include "app/win32/labels.h"
#include "app/win32/resource_ids.h"
#include "app/win32/text_box.h"
#include "app/win32/wide.h"

namespace numoria::win32 {
namespace {

constexpr UINT_PTR kClockTimer = 1;
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

[[nodiscard]] const window::ControlDescription& Form() { return window::Description().front(); }

[[nodiscard]] HWND MakeTipWindow(HWND form) {
  return CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr,
                         nullptr, nullptr);
}

// Whether activation went to another window of the program, not to one of
// its message boxes nor to another program.
[[nodiscard]] bool OwnWindow(HWND window) {
  DWORD process = 0;
  if (window == nullptr || GetWindowThreadProcessId(window, &process) == 0 ||
      process != GetCurrentProcessId()) {
    return false;
  }
  wchar_t class_name[16]{};
  GetClassNameW(window, class_name, 16);
  return std::wstring_view(class_name) != L"#32770";
}

}  // namespace

void RegisterWindowClasses(HINSTANCE instance) {
  // The accessible objects handed to screen readers go through COM; it stays
  // up for the thread's life.
  [[maybe_unused]] const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  LoadEmbeddedFonts(instance);
  const INITCOMMONCONTROLSEX common{sizeof common, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&common);
  RegisterFrameClass(instance);
  WNDCLASSEXW main_class{};
  main_class.cbSize = sizeof main_class;
  main_class.lpfnWndProc = MainWindow::Proc;
  main_class.hInstance = instance;
  main_class.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(NUMORIA_ICON));
  main_class.hIconSm = static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(NUMORIA_ICON), IMAGE_ICON,
                 GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
  main_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  main_class.lpszClassName = kMainWindowClass;
  RegisterClassExW(&main_class);
}

HWND MainWindow::Create(HINSTANCE instance, int show) {
  const HWND window = CreateWindowExW(0, kMainWindowClass, Wide(Form().caption).c_str(), kStyle,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                      nullptr, nullptr, instance, nullptr);
  if (window != nullptr) {
    ShowWindow(window, show);
    UpdateWindow(window);
  }
  return window;
}

MainWindow::MainWindow(HWND window, HINSTANCE instance)
    : window_(window),
      instance_(instance),
      dpi_(WindowDpi(window)),
      controls_(window),
      model_(controls_),
      background_(instance),
      keypad_keys_(controls_, *this) {}

LRESULT CALLBACK MainWindow::Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    auto* self = new MainWindow(window, create->hInstance);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    delete self;
    return DefWindowProcW(window, message, wparam, lparam);
  }
  return self->Handle(message, wparam, lparam);
}

LRESULT MainWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case WM_COMMAND:
      OnCommand(wparam, lparam);
      return 0;
    case WM_HSCROLL:
      OnHScroll(wparam, reinterpret_cast<HWND>(lparam));
      return 0;
    case WM_TIMER:
      if (wparam == kClockTimer) model_.Dispatch(Control::kTimer1, Event::kTimer);
      return 0;
    case WM_ACTIVATE:
      OnActivate(wparam, reinterpret_cast<HWND>(lparam));
      return 0;
    case WM_CONTEXTMENU:
      OnContextMenu(reinterpret_cast<HWND>(wparam), lparam);
      return 0;
    case WM_DRAWITEM:
      OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
      return TRUE;
    case WM_ERASEBKGND:
      EraseBackground(reinterpret_cast<HDC>(wparam));
      return 1;
    case WM_DPICHANGED:
      OnDpiChanged(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
      return 0;
    case WM_DESTROY:
      KillTimer(window_, kClockTimer);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window_, message, wparam, lparam);
  }
}

void MainWindow::OnCreate() {
  background_.SetDpi(dpi_);
  controls_.SetTipWindow(MakeTipWindow(window_));
  children_ = CreateControls(window_, instance_);
  const std::u16string_view keypad = window::Describe(Control::kFrame1).name;
  for (const ControlWindow& child : children_) {
    controls_.Add(child.entry->id, child.window);
    NameForScreenReaders(child.window, child.entry->accessible_name);
    if (child.entry->kind == window::Kind::kTextBox)
      MakeTextBox(child.window, child.entry->id, *this);
    if (child.entry->kind == window::Kind::kButton && child.entry->parent == keypad) {
      keypad_keys_.Attach(child.window);
    }
  }
  LayOut(children_, fonts_, dpi_);
  const window::Twips& client = Form().geometry;
  const SIZE outer = OuterSize(Scale(client.width, dpi_), Scale(client.height, dpi_), kStyle, dpi_);
  SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetTimer(window_, kClockTimer, static_cast<UINT>(window::Describe(Control::kTimer1).interval_ms),
           nullptr);
}

const window::ControlDescription* MainWindow::EntryOf(HWND control) const {
  const std::optional<Control> found = controls_.ControlOf(control);
  return found ? &window::Describe(*found) : nullptr;
}

void MainWindow::DispatchFrom(HWND control, Event event) {
  if (const std::optional<Control> found = controls_.ControlOf(control)) {
    model_.Dispatch(*found, event);
  }
}

void MainWindow::OnCommand(WPARAM wparam, LPARAM lparam) {
  const auto control = reinterpret_cast<HWND>(lparam);
  if (control == nullptr) return;
  if (HIWORD(wparam) == BN_CLICKED) DispatchFrom(control, Event::kClick);
  if (HIWORD(wparam) == EN_CHANGE) DispatchFrom(control, Event::kChange);
}

// A completed change only: an arrow or trough click, a key, or the release of
// a dragged thumb, never the thumb's movement during the drag.
void MainWindow::OnHScroll(WPARAM wparam, HWND bar) {
  const window::ControlDescription* entry = EntryOf(bar);
  if (entry == nullptr) return;
  const window::Range& range = entry->range;
  const int now = static_cast<int>(SendMessageW(bar, SBM_GETPOS, 0, 0));
  int next = now;
  switch (LOWORD(wparam)) {
    case SB_LINELEFT:
      next = now - range.small_change;
      break;
    case SB_LINERIGHT:
      next = now + range.small_change;
      break;
    case SB_PAGELEFT:
      next = now - range.large_change;
      break;
    case SB_PAGERIGHT:
      next = now + range.large_change;
      break;
    case SB_LEFT:
      next = range.minimum;
      break;
    case SB_RIGHT:
      next = range.maximum;
      break;
    case SB_THUMBPOSITION:
      next = static_cast<short>(HIWORD(wparam));
      break;
    default:
      return;  // SB_THUMBTRACK, SB_ENDSCROLL
  }
  next = std::clamp(next, range.minimum, range.maximum);
  if (next == now) return;
  SendMessageW(bar, SBM_SETPOS, static_cast<WPARAM>(next), TRUE);
  DispatchFrom(bar, Event::kChange);
}

// The model decides when Activate runs; otherwise activation gives the focus
// back to the control that had it.
void MainWindow::OnActivate(WPARAM wparam, HWND other) {
  if (LOWORD(wparam) == WA_INACTIVE) {
    const HWND focus = GetFocus();
    if (focus != nullptr && IsChild(window_, focus)) focus_before_ = focus;
    model_.Deactivated(OwnWindow(other));
    return;
  }
  if (focus_before_ != nullptr && IsWindow(focus_before_)) SetFocus(focus_before_);
  model_.Activated();
}

void MainWindow::OnContextMenu(HWND target, LPARAM at) {
  if (const std::optional<Control> control = controls_.ControlOf(target)) {
    ShowActionMenu(target, *control, at, *this);
  }
}

void MainWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (const window::ControlDescription* entry = EntryOf(item.hwndItem)) {
    PaintLabel(item, *entry, background_);
  }
}

void MainWindow::OnDpiChanged(UINT dpi, const RECT& suggested) {
  dpi_ = dpi;
  background_.SetDpi(dpi);
  LayOut(children_, fonts_, dpi);
  SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(window_, nullptr, TRUE);
}

void MainWindow::EraseBackground(HDC dc) {
  RECT client;
  GetClientRect(window_, &client);
  background_.Paint(dc, client, 0, 0);
}

}  // namespace numoria::win32

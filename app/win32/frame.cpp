#include "app/win32/frame.h"

#include "app/win32/colours.h"
#include "app/win32/gdi.h"
#include "app/win32/wide.h"
#include "app/window_description.h"

namespace numoria::win32 {
namespace {

struct FrameData {
  const window::ControlDescription* entry = nullptr;
  HFONT font = nullptr;
  COLORREF back = 0;
  Brush back_brush;
};

[[nodiscard]] FrameData* DataOf(HWND frame) {
  return reinterpret_cast<FrameData*>(GetWindowLongPtrW(frame, GWLP_USERDATA));
}

// An etched rectangle whose top runs through the middle of the caption line,
// the caption set into it at the left on the frame's own background.
void Paint(HWND frame, const FrameData& data) {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(frame, &paint);
  RECT client;
  GetClientRect(frame, &client);
  FillRect(dc, &client, data.back_brush.get());
  const HGDIOBJ old_font = SelectObject(dc, data.font);
  const std::wstring caption = Wide(WindowText(frame));
  SIZE text{};
  GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
  RECT edge = client;
  edge.top = text.cy / 2;
  DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
  const int indent = MulDiv(text.cy, 2, 3);
  RECT caption_rect{indent, 0, indent + text.cx + 4, text.cy};
  FillRect(dc, &caption_rect, data.back_brush.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColourRef(data.entry->fore, GetSysColor(COLOR_BTNTEXT)));
  TextOutW(dc, indent + 2, 0, caption.c_str(), static_cast<int>(caption.size()));
  SelectObject(dc, old_font);
  EndPaint(frame, &paint);
}

[[nodiscard]] bool PassedToMainWindow(UINT message) {
  switch (message) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_DRAWITEM:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSCROLLBAR:
      return true;
    default:
      return false;
  }
}

LRESULT CALLBACK FrameProc(HWND frame, UINT message, WPARAM wparam, LPARAM lparam) {
  FrameData* data = DataOf(frame);
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    auto* made = new FrameData;
    made->entry = static_cast<const window::ControlDescription*>(create->lpCreateParams);
    made->back = ColourRef(made->entry->back, GetSysColor(COLOR_BTNFACE));
    made->back_brush.reset(CreateSolidBrush(made->back));
    SetWindowLongPtrW(frame, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(made));
  } else if (data != nullptr && PassedToMainWindow(message)) {
    return SendMessageW(GetAncestor(frame, GA_ROOT), message, wparam, lparam);
  } else if (data != nullptr) {
    switch (message) {
      case WM_SETFONT:
        data->font = reinterpret_cast<HFONT>(wparam);
        if (LOWORD(lparam) != 0) InvalidateRect(frame, nullptr, TRUE);
        return 0;
      case WM_GETFONT:
        return reinterpret_cast<LRESULT>(data->font);
      case WM_SETTEXT: {
        const LRESULT result = DefWindowProcW(frame, message, wparam, lparam);
        InvalidateRect(frame, nullptr, TRUE);
        return result;
      }
      case WM_ERASEBKGND:
        return 1;
      case WM_PAINT:
        Paint(frame, *data);
        return 0;
      case WM_NCDESTROY:
        SetWindowLongPtrW(frame, GWLP_USERDATA, 0);
        delete data;
        break;
      default:
        break;
    }
  }
  return DefWindowProcW(frame, message, wparam, lparam);
}

}  // namespace

void RegisterFrameClass(HINSTANCE instance) {
  WNDCLASSEXW frame_class{};
  frame_class.cbSize = sizeof frame_class;
  frame_class.lpfnWndProc = FrameProc;
  frame_class.hInstance = instance;
  frame_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  frame_class.lpszClassName = kFrameClass;
  RegisterClassExW(&frame_class);
}

COLORREF FrameBackground(HWND frame) {
  const FrameData* data = DataOf(frame);
  return data != nullptr ? data->back : GetSysColor(COLOR_BTNFACE);
}

}  // namespace numoria::win32

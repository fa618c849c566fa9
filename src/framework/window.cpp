#include "framework/window.h"

#include <exception>

namespace framework {

std::string WindowRef::Text() const {
  int n = GetWindowTextLengthA(hwnd_);
  std::string text(static_cast<size_t>(n) + 1, '\0');
  n = GetWindowTextA(hwnd_, &text[0], n + 1);
  text.resize(static_cast<size_t>(n > 0 ? n : 0));
  return text;
}

RECT WindowRef::WindowRect() const {
  RECT r = {0, 0, 0, 0};
  GetWindowRect(hwnd_, &r);
  return r;
}

RECT WindowRef::ClientRect() const {
  RECT r = {0, 0, 0, 0};
  GetClientRect(hwnd_, &r);
  return r;
}

Window::~Window() { Destroy(); }

ATOM Window::RegisterClass(WNDCLASSEXA wc) {
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = StaticWindowProc;
  if (!wc.hInstance) wc.hInstance = GetModuleHandleA(nullptr);
  return RegisterClassExA(&wc);
}

bool Window::Create(const CreateArgs& args) {
  int x = args.rect.left, y = args.rect.top, w = args.rect.right, h = args.rect.bottom;
  if (x != static_cast<int>(CW_USEDEFAULT)) {
    w = args.rect.right - args.rect.left;
    h = args.rect.bottom - args.rect.top;
  } else if (w == 0 && h == 0) {
    w = h = static_cast<int>(CW_USEDEFAULT);
  }
  HWND created = CreateWindowExA(args.exStyle, args.className, args.title, args.style, x, y, w, h,
                                 args.parent, args.menu, GetModuleHandleA(nullptr), this);
  return created != nullptr;
}

void Window::Destroy() {
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

Window* Window::FromHandle(HWND hwnd) {
  return reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK Window::StaticWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Window* self = nullptr;
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
    self = static_cast<Window*>(cs->lpCreateParams);
    if (self) {
      self->hwnd_ = hwnd;
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
  } else {
    self = FromHandle(hwnd);
  }
  if (!self) return DefWindowProcA(hwnd, msg, wp, lp);
  try {
    LRESULT result = self->HandleMessage(msg, wp, lp);
    if (msg == WM_NCDESTROY) {
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      self->hwnd_ = nullptr;
      self->OnFinalMessage();
    }
    return result;
  } catch (const std::exception&) {
    return DefWindowProcA(hwnd, msg, wp, lp);
  } catch (...) {
    return DefWindowProcA(hwnd, msg, wp, lp);
  }
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE:
      return OnCreate() ? 0 : -1;
    case WM_COMMAND:
      if (OnCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp))) return 0;
      break;
    case WM_NOTIFY:
      return OnNotify(reinterpret_cast<NMHDR*>(lp));
    case WM_SIZE:
      OnSize(static_cast<int>(wp), LOWORD(lp), HIWORD(lp));
      return 0;
    case WM_PAINT:
      if (OnPaint()) return 0;
      break;
    case WM_DRAWITEM:
      if (OnDrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lp))) return TRUE;
      break;
    case WM_MEASUREITEM:
      if (OnMeasureItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lp))) return TRUE;
      break;
    case WM_CLOSE:
      if (OnClose()) return 0;
      break;
    case WM_DESTROY:
      OnDestroy();
      return 0;
  }
  return DefWindowProcA(hwnd_, msg, wp, lp);
}

}  // namespace framework

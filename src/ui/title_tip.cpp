#include "ui/title_tip.h"

namespace {

constexpr char kClassName[] = "VelloxTitleTip";
constexpr int kTextMargin = 3;  // each side: the tip is 6 pixels wider than the text

ATOM RegisterTipClass(WNDPROC proc) {
  static ATOM atom = 0;
  if (atom) return atom;
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  wc.lpszClassName = kClassName;
  atom = RegisterClassExA(&wc);
  return atom;
}

HFONT BoldCopy(HFONT font) {
  LOGFONTA lf = {};
  if (!font || !GetObjectA(font, sizeof lf, &lf))
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
  lf.lfWeight = FW_BOLD;
  return CreateFontIndirectA(&lf);
}

}  // namespace

TitleTip::~TitleTip() {
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
  if (bold_) DeleteObject(bold_);
}

void TitleTip::Show(HWND box, const RECT& line, const std::string& text, bool bold) {
  if (!hwnd_) {
    RegisterTipClass(Proc);
    hwnd_ = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, kClassName, "",
                            WS_POPUP | WS_BORDER, 0, 0, 0, 0, GetAncestor(box, GA_ROOT), nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    if (!hwnd_) return;
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  box_ = box;
  text_ = text;
  font_ = reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0));
  if (bold_) DeleteObject(bold_);
  bold_ = bold ? BoldCopy(font_) : nullptr;
  HDC dc = GetDC(hwnd_);
  HGDIOBJ old = SelectObject(dc, bold_   ? static_cast<HGDIOBJ>(bold_)
                                 : font_ ? static_cast<HGDIOBJ>(font_)
                                         : GetStockObject(DEFAULT_GUI_FONT));
  SIZE extent = {};
  GetTextExtentPoint32A(dc, text_.c_str(), static_cast<int>(text_.size()), &extent);
  SelectObject(dc, old);
  ReleaseDC(hwnd_, dc);
  // The tip's text lies where the line's text lies (2 pixels in).
  int left = line.left + 2 - kTextMargin;
  SetWindowPos(hwnd_, HWND_TOPMOST, left, line.top, extent.cx + 2 * kTextMargin,
               line.bottom - line.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void TitleTip::Hide() {
  box_ = nullptr;
  if (hwnd_ && IsWindowVisible(hwnd_)) ShowWindow(hwnd_, SW_HIDE);
}

void TitleTip::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT r;
  GetClientRect(hwnd_, &r);
  SetBkColor(dc, GetSysColor(COLOR_INFOBK));
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
  SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
  SetBkMode(dc, TRANSPARENT);
  HGDIOBJ old = SelectObject(dc, bold_   ? static_cast<HGDIOBJ>(bold_)
                                 : font_ ? static_cast<HGDIOBJ>(font_)
                                         : GetStockObject(DEFAULT_GUI_FONT));
  r.left += kTextMargin - 1;  // the border takes one pixel
  DrawTextA(dc, text_.c_str(), static_cast<int>(text_.size()), &r,
            DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old);
  EndPaint(hwnd_, &ps);
}

LRESULT CALLBACK TitleTip::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* tip = reinterpret_cast<TitleTip*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  switch (msg) {
    case WM_NCHITTEST:
      // The mouse belongs to the line under the tip.
      return HTTRANSPARENT;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_PAINT:
      if (tip) {
        tip->Paint();
        return 0;
      }
      break;
    default:
      break;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

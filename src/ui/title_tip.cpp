#include "ui/title_tip.h"

namespace {

constexpr char kClassName[] = "VelloxTitleTip";
constexpr int kTextMargin = 3;  // each side: the tip is 6 pixels wider than the text

bool RegisterTipClass() {
  static const ATOM atom = [] {
    WNDCLASSEXA wc = {};
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    wc.lpszClassName = kClassName;
    return framework::Window::RegisterClass(wc);
  }();
  return atom != 0;
}

HFONT BoldCopy(HFONT font) {
  LOGFONTA lf = {};
  if (!font || !GetObjectA(font, sizeof lf, &lf))
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
  lf.lfWeight = FW_BOLD;
  return CreateFontIndirectA(&lf);
}

}  // namespace

HGDIOBJ TitleTip::TextFont() const {
  if (bold_.IsValid()) return bold_.Get();
  return font_ ? static_cast<HGDIOBJ>(font_) : GetStockObject(DEFAULT_GUI_FONT);
}

void TitleTip::Show(HWND box, const RECT& line, const std::string& text, bool bold) {
  if (!hwnd_) {
    if (!RegisterTipClass()) return;
    framework::CreateArgs args;
    args.className = kClassName;
    args.style = WS_POPUP | WS_BORDER;
    args.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    args.rect = {0, 0, 0, 0};
    args.parent = GetAncestor(box, GA_ROOT);
    if (!Create(args)) return;
  }
  box_ = box;
  text_ = text;
  font_ = reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0));
  bold_.Reset(bold ? BoldCopy(font_) : nullptr);
  HDC dc = GetDC(hwnd_);
  HGDIOBJ old = SelectObject(dc, TextFont());
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

bool TitleTip::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT r = ClientRect();
  SetBkColor(dc, GetSysColor(COLOR_INFOBK));
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
  SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
  SetBkMode(dc, TRANSPARENT);
  HGDIOBJ old = SelectObject(dc, TextFont());
  r.left += kTextMargin - 1;  // the border takes one pixel
  DrawTextA(dc, text_.c_str(), static_cast<int>(text_.size()), &r,
            DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old);
  EndPaint(hwnd_, &ps);
  return true;
}

LRESULT TitleTip::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_NCHITTEST:
      // The mouse belongs to the line under the tip.
      return HTTRANSPARENT;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    default:
      return Window::HandleMessage(msg, wp, lp);
  }
}

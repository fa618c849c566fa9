// The custom (flat) look of the main window: the window background, the
// labels and the read-only boxes in the colour table's background and text
// colours, and flat push buttons in its button colour, edged with the
// darkened background. The standard look leaves all of it to the system.
#include <string>

#include "resources/resource.h"
#include "ui/main_window.h"

namespace {

constexpr int kColorBackground = 0;
constexpr int kColorButtons = 1;
constexpr int kColorText = 4;
constexpr int kColorDarkened = 5;

bool IsPushButton(HWND child) {
  char cls[16] = "";
  GetClassNameA(child, cls, sizeof cls);
  if (lstrcmpiA(cls, "Button") != 0) return false;
  LONG type = GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

BOOL CALLBACK MakeButtonFlat(HWND child, LPARAM parent) {
  if (GetParent(child) != reinterpret_cast<HWND>(parent) || !IsPushButton(child)) return TRUE;
  LONG style = GetWindowLongA(child, GWL_STYLE);
  SetWindowLongA(child, GWL_STYLE, (style & ~BS_TYPEMASK) | BS_OWNERDRAW);
  return TRUE;
}

void Fill(HDC dc, const RECT& r, COLORREF color) {
  COLORREF old = SetBkColor(dc, color);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
  SetBkColor(dc, old);
}

}  // namespace

bool MainWindow::FlatStyle() const { return settings_.HasBehaviour(kBehaviourFlatStyle); }

void MainWindow::ApplyFlatStyle() {
  if (!FlatStyle()) return;
  background_.Reset(CreateSolidBrush(settings_.colors[kColorBackground]));
  EnumChildWindows(hwnd_, MakeButtonFlat, reinterpret_cast<LPARAM>(hwnd_));
}

void MainWindow::ReleaseFlatStyle() { background_.Reset(); }

bool MainWindow::OnFlatColors(UINT msg, WPARAM wp, INT_PTR* result) {
  if (!background_.IsValid()) return false;
  const Settings& settings = settings_;
  HDC dc = reinterpret_cast<HDC>(wp);
  switch (msg) {
    case WM_CTLCOLORDLG:
      break;
    case WM_CTLCOLORSTATIC:  // labels, the status line, read-only boxes
    case WM_CTLCOLORBTN:
      SetTextColor(dc, settings.colors[kColorText]);
      SetBkColor(dc, settings.colors[kColorBackground]);
      break;
    default:
      return false;
  }
  *result = reinterpret_cast<INT_PTR>(background_.Get());
  return true;
}

bool MainWindow::DrawFlatButton(const DRAWITEMSTRUCT& item) {
  if (item.CtlType != ODT_BUTTON) return false;
  const Settings& settings = settings_;
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  bool pressed = (item.itemState & ODS_SELECTED) != 0;
  bool disabled = (item.itemState & ODS_DISABLED) != 0;
  // A 1-pixel edge in the darkened background; pressed, the face takes
  // that colour too.
  Fill(dc, r, settings.colors[kColorDarkened]);
  RECT face = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  Fill(dc, face, pressed ? settings.colors[kColorDarkened] : settings.colors[kColorButtons]);
  char text[64] = "";
  GetWindowTextA(item.hwndItem, text, sizeof text);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, disabled ? GetSysColor(COLOR_GRAYTEXT) : settings.colors[kColorText]);
  RECT label = face;
  if (pressed) OffsetRect(&label, 1, 1);
  // The Open button's picture before its text.
  if (item.CtlID == IDC_OPEN && openIcon_.Get()) {
    const int size = GetSystemMetrics(SM_CXSMICON);
    DrawIconEx(dc, label.left + 3, label.top + (label.bottom - label.top - size) / 2,
               openIcon_.Get(), size, size, 0, nullptr, DI_NORMAL);
    label.left += size + 3;
  }
  UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  if (item.itemState & ODS_NOACCEL) format |= DT_HIDEPREFIX;
  DrawTextA(dc, text, -1, &label, format);
  if ((item.itemState & ODS_FOCUS) && !disabled) {
    RECT focus = face;
    InflateRect(&focus, -2, -2);
    DrawFocusRect(dc, &focus);
  }
  return true;
}

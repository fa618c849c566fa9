#include "ui/list_line_drawing.h"

#include <string>

#include "framework/scoped_handle.h"
#include "view/line_data.h"

namespace {

std::string LineTextOf(const DRAWITEMSTRUCT& item) {
  LRESULT length = SendMessageA(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0);
  if (length <= 0) return std::string();
  std::string text(static_cast<size_t>(length) + 1, '\0');
  LRESULT got =
      SendMessageA(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(&text[0]));
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

// A bold copy of the list box's font, made per line: lines are few and
// drawing is rare.
HFONT BoldCopy(HFONT font) {
  LOGFONTA lf = {};
  if (!font || !GetObjectA(font, sizeof lf, &lf))
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
  lf.lfWeight = FW_BOLD;
  return CreateFontIndirectA(&lf);
}

void DrawSeparator(HDC dc, const RECT& r, const std::string& title, COLORREF text,
                   COLORREF background) {
  int middle = (r.top + r.bottom) / 2;
  RECT line = {r.left + 1, middle, r.right - 1, middle + 1};
  COLORREF back = SetBkColor(dc, text);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &line, nullptr, 0, nullptr);
  SetBkColor(dc, back);
  if (title.empty()) return;
  // The title and its two blanks are drawn on the line's background, so the
  // line stops on either side of it.
  std::string shown = " " + title + " ";
  RECT box = r;
  int mode = SetBkMode(dc, OPAQUE);
  back = SetBkColor(dc, background);
  DrawTextA(dc, shown.c_str(), static_cast<int>(shown.size()), &box,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SetBkColor(dc, back);
  SetBkMode(dc, mode);
}

}  // namespace

UINT ListLineHeight(HWND dialog) {
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
  HDC dc = GetDC(dialog);
  HGDIOBJ old =
      SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICA metrics = {};
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(dialog, dc);
  return static_cast<UINT>(metrics.tmHeight + 2);
}

void DrawListLine(const DRAWITEMSTRUCT& item, uint32_t* lineData, const Settings& settings) {
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  if (item.itemID == static_cast<UINT>(-1) || item.itemAction == ODA_FOCUS) {
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &r);
    return;
  }
  uint32_t data = lineData ? *lineData : 0;
  uint32_t colorIndex = data & kLineColorMask;
  COLORREF indexColor =
      colorIndex > 0 && colorIndex < settings.colors.size() ? settings.colors[colorIndex] : 0;
  bool selected = (item.itemState & ODS_SELECTED) != 0;
  COLORREF back = selected ? (colorIndex ? indexColor : GetSysColor(COLOR_HIGHLIGHT))
                           : GetSysColor(COLOR_WINDOW);
  COLORREF text = selected ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                           : (colorIndex ? indexColor : GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, back);
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
  SetTextColor(dc, text);
  SetBkMode(dc, TRANSPARENT);
  std::string title = LineTextOf(item);
  if (data & kLineSeparator) {
    DrawSeparator(dc, r, title, text, back);
  } else {
    if (data & kLineHasNotes) title += '\xB9';
    if (data & kLineHasLogin) title += '\xAA';
    HFONT boxFont = reinterpret_cast<HFONT>(SendMessageA(item.hwndItem, WM_GETFONT, 0, 0));
    framework::ScopedFont bold((data & kLineBold) ? BoldCopy(boxFont) : nullptr);
    HGDIOBJ old = bold.IsValid() ? SelectObject(dc, bold.Get()) : nullptr;
    RECT box = r;
    box.left += 2;
    DrawTextA(dc, title.c_str(), static_cast<int>(title.size()), &box,
              DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SIZE extent = {};
    GetTextExtentPoint32A(dc, title.c_str(), static_cast<int>(title.size()), &extent);
    if (lineData) {
      if (r.left + 2 + extent.cx > r.right)
        *lineData |= kLineOverflow;
      else
        *lineData &= ~kLineOverflow;
    }
    if (old) SelectObject(dc, old);  // before the bold font is deleted
  }
  if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &r);
}

// How the main window's controls follow its size, and how small it may get.
// The templates are laid out at their smallest width; a window narrower
// than the three-column template (a splitter drag can make one) takes the
// room from the search box, so the buttons never run into the Visited text.
#include <algorithm>
#include <iterator>

#include "framework/child_layout.h"
#include "resources/resource.h"
#include "ui/bookmark_list_box.h"
#include "ui/compact_window.h"
#include "ui/main_window.h"
#include "ui/three_column_window.h"

namespace {

using framework::ChildRect;
using framework::ShiftChild;
using framework::UnitsToPixelsX;
using framework::UnitsToPixelsY;

// The lists may lose this many dialog units of height: a Regular column
// keeps about eight lines, an Organize column five, the Compact list six.
constexpr int kListGiveUnits = 100;
// The search box of the three-column window may lose this many dialog
// units of width (130 in the template).
constexpr int kSearchBoxGiveUnits = 80;
// The gap between the New, Sort and Delete buttons under a column.
constexpr int kColumnButtonGapUnits = 3;

// Controls under the columns: they follow the bottom edge.
constexpr int kBelowColumns[] = {IDC_ADDRESS_LABEL, IDC_ADDRESS,     IDC_EXPLORE,
                                 IDC_FIND_LABEL,    IDC_SEARCH_TEXT, IDC_SEARCH,
                                 IDC_OPEN,          IDC_FETCH,       IDC_NOTES,
                                 IDC_VISITED_LABEL, IDC_LAST_VISIT,  IDC_STATUS_LINE};
// The buttons right of the search box, which move left when it narrows.
constexpr int kAfterSearchBox[] = {IDC_SEARCH, IDC_OPEN, IDC_FETCH, IDC_NOTES};
// The label and the title box of each column, and its three buttons.
constexpr int kColumnHeads[3][2] = {{IDC_CATEGORY_LABEL, IDC_CATEGORY_TITLE},
                                    {IDC_SUBCATEGORY_LABEL, IDC_SUBCATEGORY_TITLE},
                                    {IDC_BOOKMARK_LABEL, IDC_BOOKMARK_TITLE}};
constexpr int kColumnButtons[3][3] = {
    {IDC_NEW_CATEGORY, IDC_SORT_CATEGORIES, IDC_DELETE_CATEGORY},
    {IDC_NEW_SUBCATEGORY, IDC_SORT_SUBCATEGORIES, IDC_DELETE_SUBCATEGORY},
    {IDC_NEW_BOOKMARK, IDC_SORT_BOOKMARKS, IDC_DELETE_BOOKMARK}};

}  // namespace

POINT MainWindow::MinWindowSize() const {
  SIZE client = MinClientSize();
  RECT r = {0, 0, client.cx, client.cy};
  DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_STYLE));
  DWORD exStyle = static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_EXSTYLE));
  AdjustWindowRectEx(&r, style, GetMenu(hwnd_) != nullptr, exStyle);
  return {r.right - r.left, r.bottom - r.top};
}

void MainWindow::PlaceMaximized(MINMAXINFO* info) const {
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoA(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  // Wine counts the menu bar of a pop-up window (this dialog) into what a
  // maximized window hides above the screen, which put the caption off it:
  // the frame alone is measured, from the style without the caption.
  DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_STYLE));
  DWORD exStyle = static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_EXSTYLE));
  RECT frame = {0, 0, 0, 0};
  AdjustWindowRectEx(&frame, style & ~WS_CAPTION, FALSE, exStyle);
  const RECT& work = monitor.rcWork;
  info->ptMaxPosition = {work.left - monitor.rcMonitor.left + frame.left,
                         work.top - monitor.rcMonitor.top + frame.top};
  info->ptMaxSize = {work.right - work.left + frame.right - frame.left,
                     work.bottom - work.top + frame.bottom - frame.top};
}

SIZE ThreeColumnWindow::MinClientSize() const {
  return {templateClient_.cx - UnitsToPixelsX(hwnd_, kSearchBoxGiveUnits),
          templateClient_.cy - UnitsToPixelsY(hwnd_, kListGiveUnits)};
}

int ThreeColumnWindow::SearchBoxSqueeze(int width) const {
  return std::clamp(static_cast<int>(templateClient_.cx) - width, 0,
                    UnitsToPixelsX(hwnd_, kSearchBoxGiveUnits));
}

void ThreeColumnWindow::LayoutColumnButtons(int level) {
  RECT box = ChildRect(hwnd_, Box(level));
  int gap = UnitsToPixelsX(hwnd_, kColumnButtonGapUnits);
  int each = (box.right - box.left - 2 * gap) / 3;
  int left = box.left;
  for (int i = 0; i < 3; ++i) {
    HWND button = Item(kColumnButtons[level][i]);
    if (!button) continue;
    RECT r = ChildRect(hwnd_, button);
    int width = i == 2 ? box.right - left : each;
    MoveWindow(button, left, r.top, width, r.bottom - r.top, FALSE);
    left += each + gap;
  }
}

void ThreeColumnWindow::MoveColumns(const int share[3], int dh) {
  int offset = 0;
  for (int level = 0; level < 3; ++level) {
    ShiftChild(hwnd_, IDC_CATEGORY_LIST + level, offset, 0, share[level], dh);
    ShiftChild(hwnd_, kColumnHeads[level][0], offset, 0, share[level], 0);
    ShiftChild(hwnd_, kColumnHeads[level][1], offset, dh, share[level], 0);
    for (int id : kColumnButtons[level]) ShiftChild(hwnd_, id, 0, dh, 0, 0);
    // The buttons share the column's width, so that a narrow column's
    // buttons stay under it.
    LayoutColumnButtons(level);
    offset += share[level];
  }
  // The children were moved without drawing: all of them, and the gaps
  // they left, are drawn afresh.
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void ThreeColumnWindow::OnSize(int type, int width, int height) {
  if (type == SIZE_MINIMIZED || client_.cx == 0) return;
  int dw = width - client_.cx;
  int dh = height - client_.cy;
  int squeeze = SearchBoxSqueeze(width) - SearchBoxSqueeze(client_.cx);
  client_ = {width, height};
  if (dw == 0 && dh == 0) return;
  // The columns share the change of width, the last taking the remainder,
  // unless a splitter drag decides the shares.
  int share[3] = {dw / 3, dw / 3, dw - 2 * (dw / 3)};
  if (Columns()) Columns()->SplitterShares(dw, share);
  MoveColumns(share, dh);
  for (int id : kBelowColumns) {
    bool widens = id == IDC_ADDRESS || id == IDC_STATUS_LINE;
    bool followsRight = id == IDC_VISITED_LABEL || id == IDC_LAST_VISIT || id == IDC_EXPLORE;
    int dx = followsRight ? dw : 0;
    int grow = widens ? dw : 0;
    if (id == IDC_SEARCH_TEXT) grow = -squeeze;
    if (std::find(std::begin(kAfterSearchBox), std::end(kAfterSearchBox), id) !=
        std::end(kAfterSearchBox))
      dx = -squeeze;
    ShiftChild(hwnd_, id, dx, dh, grow, 0);
  }
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

SIZE CompactWindow::MinClientSize() const {
  return {templateClient_.cx, templateClient_.cy - UnitsToPixelsY(hwnd_, kListGiveUnits)};
}

void CompactWindow::OnSize(int type, int width, int height) {
  if (type == SIZE_MINIMIZED || client_.cx == 0) return;
  int dw = width - client_.cx;
  int dh = height - client_.cy;
  client_ = {width, height};
  if (dw == 0 && dh == 0) return;
  // The bookmark list takes the whole change; the search box and the
  // titles widen, the buttons under the list follow the bottom edge.
  ShiftChild(hwnd_, IDC_SEARCH_TEXT, 0, 0, dw, 0);
  ShiftChild(hwnd_, IDC_SEARCH, dw, 0, 0, 0);
  ShiftChild(hwnd_, IDC_CATEGORY_TITLE, 0, 0, dw, 0);
  ShiftChild(hwnd_, IDC_SUBCATEGORY_TITLE, 0, 0, dw, 0);
  ShiftChild(hwnd_, IDC_BOOKMARK_LIST, 0, 0, dw, dh);
  for (int id : {IDC_OPEN, IDC_FETCH, IDC_NOTES}) ShiftChild(hwnd_, id, 0, dh, 0, 0);
  ShiftChild(hwnd_, IDC_LAST_VISIT, 0, dh, dw, 0);
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

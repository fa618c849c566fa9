#include "ui/bookmark_list_box.h"

#include <commctrl.h>
#include <windowsx.h>

#include <string>

#include "list/bookmark_list.h"
#include "list/list_marks.h"
#include "resources/resource.h"
#include "ui/main_window.h"
#include "view/line_data.h"

namespace {

constexpr UINT_PTR kSubclassId = 2067;

std::string BoxLineText(HWND box, int line) {
  LRESULT length = SendMessageA(box, LB_GETTEXTLEN, static_cast<WPARAM>(line), 0);
  if (length <= 0) return std::string();
  std::string text(static_cast<size_t>(length) + 1, '\0');
  LRESULT got =
      SendMessageA(box, LB_GETTEXT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(&text[0]));
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

// A window of this program is the active one: title tips show only then.
bool ProgramIsActive() {
  HWND foreground = GetForegroundWindow();
  DWORD pid = 0;
  GetWindowThreadProcessId(foreground, &pid);
  return foreground && pid == GetCurrentProcessId();
}

bool IsListLike(HWND w) {
  char name[32] = {};
  GetClassNameA(w, name, sizeof name);
  return lstrcmpiA(name, "ListBox") == 0 || lstrcmpiA(name, WC_LISTVIEWA) == 0;
}

}  // namespace

// ---- BookmarkListBox -------------------------------------------------------

BookmarkListBox::BookmarkListBox(ColumnControls* owner, HWND box, int level)
    : owner_(owner), box_(box), level_(level) {
  SetWindowSubclass(box_, Proc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

BookmarkListBox::~BookmarkListBox() {
  if (box_) RemoveWindowSubclass(box_, Proc, kSubclassId);
}

int BookmarkListBox::ItemFromPoint(POINT client) const {
  RECT r;
  GetClientRect(box_, &r);
  if (!PtInRect(&r, client)) return -1;
  // The list box answers with the nearest line, also for the blank area
  // below the last one: only a line that holds the point counts.
  LRESULT hit = SendMessageA(box_, LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y));
  int line = static_cast<int>(LOWORD(hit));
  if (HIWORD(hit) != 0 || line >= static_cast<int>(SendMessageA(box_, LB_GETCOUNT, 0, 0)))
    return -1;
  RECT lineRect = LineRect(line);
  return PtInRect(&lineRect, client) ? line : -1;
}

RECT BookmarkListBox::LineRect(int line) const {
  RECT r = {0, 0, 0, 0};
  SendMessageA(box_, LB_GETITEMRECT, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(&r));
  return r;
}

void BookmarkListBox::Repaint(const RECT& r) {
  if (r.right <= r.left) return;
  InvalidateRect(box_, &r, TRUE);
  UpdateWindow(box_);
}

void BookmarkListBox::DrawInsert(int line) {
  int count = static_cast<int>(SendMessageA(box_, LB_GETCOUNT, 0, 0));
  RECT client;
  GetClientRect(box_, &client);
  int y = 0;
  if (line >= 0 && line < count)
    y = LineRect(line).top;
  else if (count > 0)
    y = LineRect(count - 1).bottom;
  RECT marker = {client.left, y > 0 ? y - 1 : 0, client.right, (y > 0 ? y - 1 : 0) + 2};
  if (EqualRect(&marker, &insertMarker_)) return;
  HideInsert();
  insertMarker_ = marker;
  HDC dc = GetDC(box_);
  SetBkColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &marker, nullptr, 0, nullptr);
  ReleaseDC(box_, dc);
}

void BookmarkListBox::HideInsert() {
  RECT old = insertMarker_;
  insertMarker_ = {0, 0, 0, 0};
  Repaint(old);
}

void BookmarkListBox::DrawHover(int line) {
  if (line == hoverLine_) return;
  HideHover();
  if (line < 0) return;
  hoverLine_ = line;
  RECT r = LineRect(line);
  HDC dc = GetDC(box_);
  FrameRect(dc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
  InflateRect(&r, -1, -1);
  FrameRect(dc, &r, GetSysColorBrush(COLOR_HIGHLIGHT));
  ReleaseDC(box_, dc);
}

void BookmarkListBox::HideHover() {
  if (hoverLine_ < 0) return;
  RECT r = LineRect(hoverLine_);
  hoverLine_ = -1;
  Repaint(r);
}

void BookmarkListBox::Scroll(int delta) {
  int lines = wheel_.Add(delta);
  if (lines == 0) return;
  int count = static_cast<int>(SendMessageA(box_, LB_GETCOUNT, 0, 0));
  int top = static_cast<int>(SendMessageA(box_, LB_GETTOPINDEX, 0, 0));
  SendMessageA(box_, LB_SETTOPINDEX, static_cast<WPARAM>(ScrolledTopIndex(top, lines, count)), 0);
}

LRESULT BookmarkListBox::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  POINT at = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      owner_->OnButtonDown(*this, at, wp, msg == WM_LBUTTONDBLCLK);
      return 0;
    case WM_MOUSEMOVE:
      owner_->OnMouseMove(*this, at, wp);
      return 0;
    case WM_LBUTTONUP:
      owner_->OnButtonUp(*this, at, wp);
      return 0;
    case WM_MOUSEHOVER:
      owner_->OnMouseHover(*this);
      return 0;
    case WM_TIMER:
      if (wp != kDragHoverTimer) return DefSubclassProc(box_, msg, wp, lp);
      KillTimer(box_, kDragHoverTimer);
      owner_->OnMouseHover(*this);
      return 0;
    case WM_MOUSELEAVE:
      owner_->OnMouseLeave(*this);
      return 0;
    case WM_CAPTURECHANGED:
      owner_->OnCaptureLost(*this);
      return 0;
    case WM_MOUSEWHEEL:
      if (!owner_->PassWheelOn(box_, wp, lp)) Scroll(GET_WHEEL_DELTA_WPARAM(wp));
      return 0;
    default:
      return DefSubclassProc(box_, msg, wp, lp);
  }
}

LRESULT CALLBACK BookmarkListBox::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR /*id*/,
                                       DWORD_PTR data) {
  auto* self = reinterpret_cast<BookmarkListBox*>(data);
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, Proc, kSubclassId);
    self->box_ = nullptr;
    self->owner_->BoxDestroyed(*self);
    return DefSubclassProc(hwnd, msg, wp, lp);
  }
  try {
    return self->OnMessage(msg, wp, lp);
  } catch (...) {
    return 0;
  }
}

// ---- ColumnControls: clicks, marks, the wheel and the tips ------------------

ColumnControls::ColumnControls(MainWindow* window) : window_(window), main_(window->Handle()) {
  for (int level = 0; level < 3; ++level)
    if (HWND box = GetDlgItem(main_, IDC_CATEGORY_LIST + level))
      boxes_[level] = std::make_unique<BookmarkListBox>(this, box, level);
  toolTip_.Create(main_, window->Mode() == kModeCompact);
}

ColumnControls::~ColumnControls() {
  if (GetCapture() && GetCapture() == main_) ReleaseCapture();
}

void ColumnControls::BoxDestroyed(BookmarkListBox& box) {
  if (phase_ >= kDragButtonDown && box.Level() == sourceLevel_) phase_ = kDragNone;
  titleTip_.Hide();
}

void ColumnControls::BoxLinesChanged(HWND box) {
  if (titleTip_.Box() != box) return;
  titleTip_.Hide();
  lastTipPoint_ = {-1, -1};
}

void ColumnControls::SelectLine(int level, int line) {
  BookmarkList* list = window_->List();
  BookmarkListBox* box = BoxOf(level);
  if (!list || !box || line < 0 || line > list->columns[level].Last()) return;
  // Refilling the column must not scroll it under the user's mouse.
  LRESULT top = SendMessageA(box->Handle(), LB_GETTOPINDEX, 0, 0);
  list->columns[level].selected = line;
  window_->RefillColumns(level, false);
  SendMessageA(box->Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
}

void ColumnControls::ToggleMark(int level) {
  BookmarkList* list = window_->List();
  if (!list || list->columns[level].selected < 0) return;
  ToggleMarkSelected(*list, level);
  window_->RedrawMarks();
}

void ColumnControls::OpenFromColumn() { window_->RouteCommand(IDC_OPEN); }

void ColumnControls::OnButtonDown(BookmarkListBox& box, POINT at, WPARAM keys, bool doubleClick) {
  titleTip_.Hide();
  SetFocus(box.Handle());
  BookmarkList* list = window_->List();
  int level = box.Level();
  int line = box.ItemFromPoint(at);
  if (!list || line < 0) return;
  DWORD now = static_cast<DWORD>(GetMessageTime());
  bool repeated = lastDownLevel_ == level && lastDownLine_ == line &&
                  now - lastDownTime_ <= GetDoubleClickTime();
  lastDownTime_ = now;
  lastDownLevel_ = level;
  lastDownLine_ = line;
  if (doubleClick || repeated) {
    lastDownLine_ = -1;  // a third press starts afresh
    if (level == kLevelBookmark) OpenFromColumn();
    return;
  }
  bool shift = (keys & MK_SHIFT) != 0;
  bool ctrl = (keys & MK_CONTROL) != 0;
  int selected = list->columns[level].selected;
  bool rangeMarked = false;
  if (shift && (ctrl || list->markedCount[kLevelBookmark] > 0) && selected >= 0 &&
      selected != line) {
    uint16_t first = list->columns[level].entries[static_cast<size_t>(selected)];
    int mode = (list->Link(first).flags & kFlagMarked) ? 0 : 1;
    MarkRange(*list, level, selected, line, mode);
    window_->RedrawMarks();
    rangeMarked = true;
  }
  if (line != list->columns[level].selected) SelectLine(level, line);
  bool dragAllowed = !shift && (level == kLevelBookmark || window_->Mode() == kModeOrganize);
  if (dragAllowed) {
    BeginDrag(box, line, at);
  } else if (ctrl && !rangeMarked) {
    // Toggling the last line of a range just marked would take it out of
    // the range again.
    ToggleMark(level);
  }
}

void ColumnControls::OnButtonUp(BookmarkListBox& box, POINT at, WPARAM keys) {
  if (phase_ == kDragButtonDown) {
    int level = sourceLevel_;
    EndDrag();
    if (keys & MK_CONTROL) ToggleMark(level);
    bool oneClick = window_->UserSettings().HasBehaviour(kBehaviourOneClickOpen);
    if (oneClick && window_->Mode() != kModeOrganize && level == kLevelBookmark &&
        !(keys & MK_CONTROL))
      OpenFromColumn();
    return;
  }
  if (phase_ >= kDragging) Drop(box, at, keys);
}

void ColumnControls::OnMouseMove(BookmarkListBox& box, POINT at, WPARAM keys) {
  if (phase_ >= kDragButtonDown) {
    TrackDrag(box, at, keys);
    return;
  }
  UpdateTitleTip(box, at);
}

void ColumnControls::OnMouseLeave(BookmarkListBox& box) {
  if (titleTip_.Box() == box.Handle()) titleTip_.Hide();
  lastTipPoint_ = {-1, -1};
}

void ColumnControls::OnCaptureLost(BookmarkListBox& box) {
  // Another window took the mouse (a message box, Alt+Tab): the drag ends.
  if (phase_ >= kDragButtonDown && box.Level() == sourceLevel_) {
    ClearDragMarkers();
    phase_ = kDragNone;
  }
}

void ColumnControls::UpdateTitleTip(BookmarkListBox& box, POINT at) {
  // Only a real move counts: windows appearing or scrolling also send
  // mouse moves.
  POINT screen = at;
  ClientToScreen(box.Handle(), &screen);
  if (screen.x == lastTipPoint_.x && screen.y == lastTipPoint_.y) return;
  lastTipPoint_ = screen;
  if (!ProgramIsActive()) {
    titleTip_.Hide();
    return;
  }
  TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, box.Handle(), 0};
  TrackMouseEvent(&track);
  int line = box.ItemFromPoint(at);
  uint32_t data = line >= 0 ? window_->LineDataAt(box.Level(), line) : 0;
  if (!(data & kLineOverflow) || (data & kLineSeparator)) {
    titleTip_.Hide();
    return;
  }
  RECT r = {0, 0, 0, 0};
  SendMessageA(box.Handle(), LB_GETITEMRECT, static_cast<WPARAM>(line),
               reinterpret_cast<LPARAM>(&r));
  MapWindowPoints(box.Handle(), nullptr, reinterpret_cast<POINT*>(&r), 2);
  std::string text = BoxLineText(box.Handle(), line);
  if (data & kLineHasNotes) text += '\xB9';
  if (data & kLineHasLogin) text += '\xAA';
  titleTip_.Show(box.Handle(), r, text, (data & kLineBold) != 0);
}

bool ColumnControls::PassWheelOn(HWND from, WPARAM wp, LPARAM lp) {
  // The lines move under a tip: it goes until the mouse moves again.
  titleTip_.Hide();
  POINT screen = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  HWND under = WindowFromPoint(screen);
  if (!under || under == from || GetWindowThreadProcessId(under, nullptr) != GetCurrentThreadId() ||
      !IsListLike(under))
    return false;
  SendMessageA(main_, WM_MOUSEWHEEL, wp, lp);
  return true;
}

void ColumnControls::SelectionChanged() {
  BookmarkList* list = window_->List();
  uint16_t item = list ? list->columns[kLevelBookmark].SelectedItem() : 0;
  std::string address;
  if (item && !list->TestFlags(item, kFlagSeparator)) {
    BookmarkItem record;
    list->DecodeInto(item, true, &record);
    address = record.url;
  }
  toolTip_.SetOpenTip(address);
}

bool ColumnControls::OnMainMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR* result) {
  if (msg == WM_MOUSEWHEEL) {
    // The wheel scrolls the list under the mouse, not the one with the
    // focus.
    POINT screen = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    HWND under = WindowFromPoint(screen);
    if (under && under != main_ &&
        GetWindowThreadProcessId(under, nullptr) == GetCurrentThreadId() && IsListLike(under))
      SendMessageA(under, WM_MOUSEWHEEL, wp, lp);
    *result = TRUE;
    return true;
  }
  return OnSplitterMessage(msg, wp, lp, result);
}

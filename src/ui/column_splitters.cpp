// The splitters between the columns of the three-column window: the
// resize cursor over the gaps, the drag that widens or narrows the column
// on the left, and the widths remembered in the settings.
#include <windowsx.h>

#include "framework/child_layout.h"
#include "ui/bookmark_list_box.h"
#include "ui/main_window.h"
#include "ui/three_column_window.h"

namespace {

using framework::ChildRect;

int Width(HWND w) {
  RECT r = {};
  GetWindowRect(w, &r);
  return r.right - r.left;
}

HCURSOR ResizeCursor() { return LoadCursorA(nullptr, MAKEINTRESOURCEA(32644)); }  // IDC_SIZEWE

}  // namespace

int ColumnControls::GapAt(POINT client) const {
  for (int gap = 0; gap < 2; ++gap) {
    BookmarkListBox* left = BoxOf(gap);
    BookmarkListBox* right = BoxOf(gap + 1);
    if (!left || !right || !left->Handle() || !right->Handle()) return -1;
    RECT l = ChildRect(main_, left->Handle());
    RECT r = ChildRect(main_, right->Handle());
    if (client.x >= l.right && client.x < r.left && client.y >= l.top && client.y < l.bottom)
      return gap;
  }
  return -1;
}

ColumnLayout ColumnControls::CurrentLayout() const {
  ColumnLayout layout;
  for (int level = 0; level < 3; ++level)
    if (BoxOf(level) && BoxOf(level)->Handle())
      layout.widths[level] = Width(BoxOf(level)->Handle());
  layout.windowWidth = Width(main_);
  return layout;
}

bool ColumnControls::SplitterShares(int dw, int share[3]) {
  if (!sharing_) return false;
  int sum = 0;
  for (int i = 0; i < 3; ++i) {
    share[i] = pendingShare_[i];
    sum += share[i];
  }
  // The window may not have taken the whole change (its own limits): the
  // last column evens it out.
  share[2] += dw - sum;
  return true;
}

void ColumnControls::MoveSplitter(int screenX) {
  auto* three = dynamic_cast<ThreeColumnWindow*>(window_);
  if (!three || gap_ < 0) return;
  ColumnLayout next = DragSplitter(gapStart_, gap_, screenX - gapStartX_,
                                   GetSystemMetrics(SM_CXSCREEN), window_->MinWindowSize().x);
  ColumnLayout now = CurrentLayout();
  int share[3];
  for (int i = 0; i < 3; ++i) share[i] = next.widths[i] - now.widths[i];
  if (next.windowWidth == now.windowWidth) {
    if (share[0] || share[1] || share[2]) three->MoveColumns(share, 0);
    return;
  }
  for (int i = 0; i < 3; ++i) pendingShare_[i] = share[i];
  RECT frame;
  GetWindowRect(main_, &frame);
  sharing_ = true;
  SetWindowPos(main_, nullptr, 0, 0, next.windowWidth, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  sharing_ = false;
}

void ColumnControls::StoreWidths() {
  ColumnLayout now = CurrentLayout();
  window_->UserSettings().listBoxWidths = {now.widths[0], now.widths[1]};
}

void ColumnControls::ApplyStoredWidths() {
  auto* three = dynamic_cast<ThreeColumnWindow*>(window_);
  const auto& stored = window_->UserSettings().listBoxWidths;
  if (!three || stored[0] < kMinColumnWidth || stored[1] < kMinColumnWidth) return;
  ColumnLayout now = CurrentLayout();
  int share[3] = {stored[0] - now.widths[0], stored[1] - now.widths[1], 0};
  share[2] = -(share[0] + share[1]);
  // The window keeps its width; widths that leave the last column too
  // narrow (a smaller window than before) are not applied.
  if (now.widths[2] + share[2] < kMinColumnWidth || (share[0] == 0 && share[1] == 0)) return;
  three->MoveColumns(share, 0);
}

bool ColumnControls::OnSplitterMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR* result) {
  if (!BoxOf(0)) return false;  // Compact mode has no splitters
  POINT at = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  switch (msg) {
    case WM_SETCURSOR: {
      if (reinterpret_cast<HWND>(wp) != main_ || LOWORD(lp) != HTCLIENT ||
          GetKeyState(VK_LBUTTON) < 0)
        return false;
      POINT cursor;
      GetCursorPos(&cursor);
      ScreenToClient(main_, &cursor);
      if (phase_ != kDragSplitter && GapAt(cursor) < 0) return false;
      SetCursor(ResizeCursor());
      SetWindowLongPtrA(main_, DWLP_MSGRESULT, TRUE);
      *result = TRUE;
      return true;
    }
    case WM_LBUTTONDOWN: {
      int gap = GapAt(at);
      if (gap < 0 || phase_ != kDragNone) return false;
      phase_ = kDragSplitter;
      gap_ = gap;
      POINT screen = at;
      ClientToScreen(main_, &screen);
      gapStartX_ = screen.x;
      gapStart_ = CurrentLayout();
      SetCapture(main_);
      SetCursor(ResizeCursor());
      *result = TRUE;
      return true;
    }
    case WM_MOUSEMOVE:
      if (phase_ != kDragSplitter) return false;
      {
        POINT screen = at;
        ClientToScreen(main_, &screen);
        MoveSplitter(screen.x);
      }
      *result = TRUE;
      return true;
    case WM_LBUTTONUP:
      if (phase_ != kDragSplitter) return false;
      phase_ = kDragNone;
      gap_ = -1;
      ReleaseCapture();
      StoreWidths();
      *result = TRUE;
      return true;
    case WM_CAPTURECHANGED:
      if (phase_ == kDragSplitter) {
        phase_ = kDragNone;
        gap_ = -1;
        StoreWidths();
      }
      return false;
    default:
      return false;
  }
}

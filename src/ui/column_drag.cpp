// Dragging a column line inside the main window: the phases, the markers,
// the 400 ms hover that opens a line of a column to the left, and the drop.
#include <cstdlib>

#include "list/bookmark_list.h"
#include "ui/bookmark_list_box.h"
#include "ui/list_view_dialog.h"
#include "ui/main_window.h"

namespace {

constexpr DWORD kHoverSelectMs = 400;

}  // namespace

ColumnControls::Spot ColumnControls::SpotAt(POINT screen) const {
  Spot spot;
  for (int level = 0; level < 3; ++level) {
    BookmarkListBox* box = BoxOf(level);
    if (!box || !IsWindowVisible(box->Handle())) continue;
    RECT r;
    GetWindowRect(box->Handle(), &r);
    if (!PtInRect(&r, screen)) continue;
    POINT client = screen;
    ScreenToClient(box->Handle(), &client);
    spot.level = level;
    spot.line = box->ItemFromPoint(client);
    break;
  }
  return spot;
}

void ColumnControls::BeginDrag(BookmarkListBox& box, int line, POINT at) {
  BookmarkList* list = window_->List();
  if (!list) return;
  phase_ = kDragButtonDown;
  sourceLevel_ = box.Level();
  sourceLine_ = line;
  sourceItem_ = list->columns[sourceLevel_].SelectedItem();
  sourceParent_ = sourceItem_ ? list->Parent(sourceItem_) : 0;
  downAt_ = at;
  ClientToScreen(box.Handle(), &downAt_);
  over_ = Spot{};
  SetCapture(box.Handle());
}

void ColumnControls::ClearDragMarkers() {
  for (auto& box : boxes_) {
    if (!box || !box->Handle()) continue;
    box->HideInsert();
    box->HideHover();
  }
}

void ColumnControls::EndDrag() {
  if (BoxOf(sourceLevel_) && BoxOf(sourceLevel_)->Handle())
    KillTimer(BoxOf(sourceLevel_)->Handle(), kDragHoverTimer);
  ClearDragMarkers();
  phase_ = kDragNone;
  over_ = Spot{};
  // Releasing sends WM_CAPTURECHANGED, which finds the drag already over.
  if (GetCapture() &&
      GetCapture() == (BoxOf(sourceLevel_) ? BoxOf(sourceLevel_)->Handle() : nullptr))
    ReleaseCapture();
  SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));  // IDC_ARROW
}

void ColumnControls::TrackDrag(BookmarkListBox& box, POINT at, WPARAM /*keys*/) {
  BookmarkList* list = window_->List();
  if (!list || !sourceItem_) {
    EndDrag();
    return;
  }
  POINT screen = at;
  ClientToScreen(box.Handle(), &screen);
  if (phase_ == kDragButtonDown) {
    // A press becomes a drag once the mouse leaves the system's drag box.
    if (std::abs(screen.x - downAt_.x) <= GetSystemMetrics(SM_CXDRAG) &&
        std::abs(screen.y - downAt_.y) <= GetSystemMetrics(SM_CYDRAG))
      return;
    phase_ = kDragging;
  }
  RECT frame;
  GetWindowRect(main_, &frame);
  // Dragging out of the window is the drag-and-drop of whole bookmarks,
  // which takes over from here; the drag inside the window ends. Outside
  // Organize mode a bookmark is dragged only out of the window, so that
  // drag starts at once.
  if (!PtInRect(&frame, screen) || window_->Mode() != kModeOrganize) {
    const uint16_t item = sourceLevel_ == kLevelBookmark ? sourceItem_ : 0;
    EndDrag();
    if (item) window_->DragBookmarkOut(item);
    return;
  }
  Spot spot = SpotAt(screen);
  int phase = DragPhaseOver(*list, sourceLevel_, sourceItem_, spot.level);
  if (spot.level != over_.level || spot.line != over_.line) {
    hoverSince_ = GetTickCount();
    // The capture stays with the dragged line's box, so the system's hover
    // tracking never fires over another column: a timer counts the rest.
    SetTimer(box.Handle(), kDragHoverTimer, kHoverSelectMs, nullptr);
  }
  over_ = spot;
  phase_ = phase;
  for (int level = 0; level < 3; ++level) {
    BookmarkListBox* b = BoxOf(level);
    if (!b || !b->Handle()) continue;
    if (level == spot.level && level == sourceLevel_)
      b->DrawInsert(spot.line);
    else
      b->HideInsert();
    if (level == spot.level && level < sourceLevel_)
      b->DrawHover(spot.line);
    else
      b->HideHover();
  }
  SetCursor(LoadCursorA(
      nullptr, MAKEINTRESOURCEA(phase == kDragging ? 32648 : 32512)));  // IDC_NO, IDC_ARROW
  if (spot.level >= 0 && spot.level < sourceLevel_ && spot.line >= 0 &&
      GetTickCount() - hoverSince_ >= kHoverSelectMs)
    OnMouseHover(box);
}

void ColumnControls::OnMouseHover(BookmarkListBox& /*box*/) {
  // Resting on a line of a column to the left opens it, so that its
  // children can take the drop in the next column.
  BookmarkList* list = window_->List();
  if (!list || phase_ < kDragging || over_.level < 0 || over_.level >= sourceLevel_ ||
      over_.line < 0)
    return;
  if (GetTickCount() - hoverSince_ < kHoverSelectMs) return;
  if (list->columns[over_.level].selected == over_.line) return;
  BookmarkListBox* hovered = BoxOf(over_.level);
  if (hovered) hovered->HideHover();
  for (auto& b : boxes_)
    if (b && b->Handle()) b->HideInsert();
  SelectLine(over_.level, over_.line);
  if (hovered) hovered->DrawHover(over_.line);
}

void ColumnControls::Drop(BookmarkListBox& box, POINT at, WPARAM keys) {
  BookmarkList* list = window_->List();
  POINT screen = at;
  ClientToScreen(box.Handle(), &screen);
  Spot spot = SpotAt(screen);
  uint16_t item = sourceItem_;
  int level = sourceLevel_;
  EndDrag();
  // A read-only list could not keep the change.
  if (!list || window_->Mode() != kModeOrganize || !item || !window_->Lists().CurrentIsWritable())
    return;
  DropRequest request{level, item, spot.level, spot.line, (keys & MK_CONTROL) != 0};
  DropPlan plan = PlanDrop(*list, request);
  if (plan.action == kDropNothing) return;
  if (CarryOutDrop(*list, request, plan) == 0) return;
  // The model's columns already show the result from this level on.
  window_->RefillColumns(plan.intoLine ? spot.level : level, true);
  window_->RedrawMarks();
  window_->RefreshListView();
}

// The column list boxes of the main window (2067-2069; in Compact mode
// only 2069) and what the mouse does in and between them: clicks, marks,
// the wheel, dragging lines inside the window, the column splitters and
// the title tips. ColumnControls is made with the main window and owns
// one BookmarkListBox per column it has.
#pragma once

#include <windows.h>

#include <array>
#include <memory>

#include "ui/main_tool_tip.h"
#include "ui/title_tip.h"
#include "view/column_drop.h"
#include "view/column_wheel.h"
#include "view/column_widths.h"

class ColumnControls;
class MainWindow;

// The timer a column list box runs while a dragged line rests on a line of
// a column to the left of its own.
constexpr UINT_PTR kDragHoverTimer = 1;

// One subclassed owner-drawn column list box.
class BookmarkListBox {
 public:
  BookmarkListBox(ColumnControls* owner, HWND box, int level);
  ~BookmarkListBox();
  BookmarkListBox(const BookmarkListBox&) = delete;
  BookmarkListBox& operator=(const BookmarkListBox&) = delete;

  HWND Handle() const { return box_; }
  int Level() const { return level_; }
  // The line at a point in client coordinates; -1 below the last line or
  // outside the box.
  int ItemFromPoint(POINT client) const;
  // The insertion marker above line (-1: below the last line); HideInsert
  // removes it.
  void DrawInsert(int line);
  void HideInsert();
  // The frame of a hovered line while something is dragged over it.
  void DrawHover(int line);
  void HideHover();
  // Scrolls by the wheel's collected deltas.
  void Scroll(int delta);

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                               DWORD_PTR data);
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
  RECT LineRect(int line) const;
  // Repaints a strip of the box at once (removing a marker).
  void Repaint(const RECT& r);

  ColumnControls* owner_;
  HWND box_;
  int level_;
  WheelAccumulator wheel_;
  RECT insertMarker_ = {0, 0, 0, 0};
  int hoverLine_ = -1;
};

class ColumnControls {
 public:
  explicit ColumnControls(MainWindow* window);
  ~ColumnControls();
  ColumnControls(const ColumnControls&) = delete;
  ColumnControls& operator=(const ColumnControls&) = delete;

  // Messages of the main window itself: the splitters and the wheel
  // passed on to the list under the cursor. True when handled.
  bool OnMainMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR* result);
  // The selection changed (by mouse or keyboard): the Open button's tip.
  void SelectionChanged();
  // During a splitter drag the window's width change is shared out by the
  // splitter, not evenly: fills share and returns true then.
  bool SplitterShares(int dw, int share[3]);
  // The widths remembered in the settings, applied to the columns.
  void ApplyStoredWidths();

  // From the list boxes (client coordinates, the message's key state).
  void OnButtonDown(BookmarkListBox& box, POINT at, WPARAM keys, bool doubleClick);
  void OnMouseMove(BookmarkListBox& box, POINT at, WPARAM keys);
  void OnButtonUp(BookmarkListBox& box, POINT at, WPARAM keys);
  void OnMouseHover(BookmarkListBox& box);
  void OnMouseLeave(BookmarkListBox& box);
  void OnCaptureLost(BookmarkListBox& box);
  // A wheel message at a box: true when it was passed on to another list.
  bool PassWheelOn(HWND from, WPARAM wp, LPARAM lp);
  void BoxDestroyed(BookmarkListBox& box);
  // The lines of a box were filled or changed: a title tip over them shows
  // a text that may no longer be there, so it goes until the mouse moves.
  void BoxLinesChanged(HWND box);

 private:
  BookmarkListBox* BoxOf(int level) const { return boxes_[level].get(); }
  // Selects a line of a column, refilling the columns to its right.
  void SelectLine(int level, int line);
  // The column (and line) under a point in screen coordinates.
  struct Spot {
    int level = -1;
    int line = -1;
  };
  Spot SpotAt(POINT screen) const;
  void ToggleMark(int level);
  void OpenFromColumn();
  // Column drags (column_drag.cpp).
  void BeginDrag(BookmarkListBox& box, int line, POINT at);
  void TrackDrag(BookmarkListBox& box, POINT at, WPARAM keys);
  void Drop(BookmarkListBox& box, POINT at, WPARAM keys);
  void EndDrag();
  void ClearDragMarkers();
  // Title tips.
  void UpdateTitleTip(BookmarkListBox& box, POINT at);
  // Splitters (column_splitters.cpp).
  int GapAt(POINT client) const;
  bool OnSplitterMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR* result);
  void MoveSplitter(int screenX);
  ColumnLayout CurrentLayout() const;
  void StoreWidths();

  MainWindow* window_;
  HWND main_;
  std::array<std::unique_ptr<BookmarkListBox>, 3> boxes_;
  TitleTip titleTip_;
  MainToolTip toolTip_;
  POINT lastTipPoint_ = {-1, -1};

  // The drag state.
  int phase_ = kDragNone;
  int sourceLevel_ = -1;
  int sourceLine_ = -1;
  uint16_t sourceItem_ = 0;
  uint16_t sourceParent_ = 0;
  POINT downAt_ = {0, 0};  // screen
  Spot over_;              // the column and line under the cursor
  DWORD hoverSince_ = 0;
  // Double-click detection for presses that arrive without the system's.
  DWORD lastDownTime_ = 0;
  int lastDownLevel_ = -1;
  int lastDownLine_ = -1;

  // The splitter drag.
  int gap_ = -1;
  int gapStartX_ = 0;
  ColumnLayout gapStart_;
  bool sharing_ = false;
  int pendingShare_[3] = {0, 0, 0};
};

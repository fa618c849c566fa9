// Dropping a line that was dragged inside the main window: which phase a
// drag over a column is in, what a drop there would do, and doing it.
// Columns are the levels 0-2; a line may be dropped on its own column
// (re-order, or move under the parent selected to the left) or on the
// column directly to its left (move into the line under the cursor).
#pragma once

#include <cstdint>

#include "list/bookmark_list.h"

// Drag phases of a column drag.
enum DragPhase : int {
  kDragNone = 0,
  kDragSplitter = 1,    // a column splitter is being dragged
  kDragButtonDown = 2,  // the button went down on a line that may be dragged
  kDragging = 3,        // moved, but over no place to drop
  kDragReorder = 4,     // over the own column, under the same parent
  kDragMove = 5,        // into another parent
  kDragOut = 6,         // dragged out of the window
};

struct DropRequest {
  int sourceLevel = 0;
  uint16_t sourceItem = 0;
  int targetLevel = -1;  // the column under the cursor, -1 none
  int targetLine = -1;   // the line under the cursor, -1 below the last line
  bool copy = false;     // Ctrl held: an alias instead of a move
};

enum DropAction : int {
  kDropNothing = 0,
  kDropMove,   // the item moves before `place`
  kDropAlias,  // an alias of the dragged bookmark goes before `place`
};

struct DropPlan {
  DropAction action = kDropNothing;
  uint16_t place = 0;     // insert before this item (0 = the end of the outline)
  bool intoLine = false;  // dropped onto a container in the column to the left
};

// The phase while the cursor is over column targetLevel (-1 none).
int DragPhaseOver(const BookmarkList& list, int sourceLevel, uint16_t sourceItem, int targetLevel);

// What a drop would do; kDropNothing for SmartFolders, separators, a drop
// two or more columns to the left or to the right, and a drop where the
// item already is.
DropPlan PlanDrop(const BookmarkList& list, const DropRequest& request);

// Carries out a plan from PlanDrop and leaves the model's columns showing
// the result: after a drop on the own column the moved item (or the new
// alias) is selected; after a drop to the left the source column has no
// selection. Returns the moved item or the new alias, 0 when nothing was
// done (also when the list is full or memory ran out).
uint16_t CarryOutDrop(BookmarkList& list, const DropRequest& request, const DropPlan& plan);

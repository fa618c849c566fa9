// Moving items, and moving, aliasing or copying the marked items to a
// place in the list (also from the mark-holding list into this one);
// separators and bold.
#pragma once

#include <cstdint>

#include "list/bookmark_list.h"

enum TransferOperation : int {
  kTransferMove = 0,
  kTransferAlias = 1,
  kTransferCopyFromHolding = 2,
  kTransferMoveFromHolding = 3,
};

// Moves item with its subtree directly before `before` (nothing happens
// when it is already there or `before` lies inside it). Unless
// keepEmptyParent, a parent left without live children is deleted. True
// when the item moved.
bool MoveBefore(BookmarkList& list, uint16_t item, uint16_t before, bool keepEmptyParent);

// Transfers the marked items of level targetLevel and below to the place
// before targetPosition (an entry of column targetLevel), or, when
// targetPosition is 0, to the end of the children of the item selected in
// the column above. holding is the mark-holding list (operations 2 and 3).
// kEditOk; kEditFailed when there is no mark-holding list or a password
// cannot be converted (nothing is changed then); kEditFull when the list is
// full before any change; kEditNoMemory when an item could not be added.
int TransferMarked(BookmarkList& list, BookmarkList* holding, int targetLevel,
                   uint16_t targetPosition, int operation);

// A separator of the column's level before its selected entry, or after
// the last entry's subtree; it becomes the selection. Its index, or
// kEditFull / kEditNoMemory / kEditFailed.
int InsertSeparator(BookmarkList& list, int level);
// Toggles bold on the (target of the) entry selected in that column.
bool ToggleBold(BookmarkList& list, int level);

// Marking items for a later move, alias, copy or delete. Marks live only
// in memory (flag 0x8000 on each link); the list keeps per level the
// number of marked live items that are not separators.
#pragma once

#include <cstdint>

#include "list/bookmark_list.h"

// mode 0 unmark, 1 mark, 2 toggle (decided by the item's own mark).
void Mark(BookmarkList& list, uint16_t index, int mode, bool withSubtree, bool withAncestors);
// Toggles the mark of the item selected in that column, with its subtree
// and ancestors.
void ToggleMarkSelected(BookmarkList& list, int level);
// Marks (mode as for Mark) the entries of a column between two positions,
// in either order: each with its subtree, the last also with its ancestors.
void MarkRange(BookmarkList& list, int level, int from, int to, int mode);
// Marks every live search result of the previous search (flag 0x4000, with
// its subtree) and every live item that matched only the current one (flag
// 0x2000, alone). False when no item carries a search flag.
bool MarkFound(BookmarkList& list);
// Clears every mark, deleted items included.
void ClearAllMarks(BookmarkList& list);
// True when an item of index's subtree other than index is marked and live.
bool HasMarkedDescendant(const BookmarkList& list, uint16_t index);

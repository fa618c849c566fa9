// Bookmarks that share an address: finding them, and turning all but one
// into aliases of the one kept ("Convert to aliases").
#pragma once

#include <cstdint>
#include <vector>

#include "list/bookmark_list.h"

// The next live bookmark after startIndex (the selected item when 0) whose
// URL, lower-cased, occurs at another live bookmark; 0 when none follows.
// Aliases, separators and empty addresses take no part.
uint16_t NextDuplicate(BookmarkList& list, uint16_t startIndex);

// Merges the other bookmark's record into the keeper's (notes appended,
// keywords replaced, visits added, missing fields taken, times combined).
void MergeInto(BookmarkList& list, uint16_t keeper, uint16_t other);
// Turns the item at index into an alias of targetIndex (whose ID is
// targetId), keeping its own ID; aliases of it are re-pointed at the
// target. False when it cannot be done (an alias, a non-bookmark, itself).
bool MakeAlias(BookmarkList& list, uint16_t index, uint16_t targetIndex, uint32_t targetId);
// All rows (at least two) must be bookmarks with the same lower-cased URL;
// the most recently modified (the first on a tie) is kept, the others are
// merged into it and made its aliases. Rows are worked from last to first.
// Returns the keeper, or 0 when nothing was done.
uint16_t ConvertToAliases(BookmarkList& list, const std::vector<uint16_t>& rows);

// Sorting sibling groups. Separators end a run (the siblings after one are
// sorted as a run of their own); separators and SmartFolders keep their
// places. Equal keys keep their order.
#pragma once

#include <cstdint>

#include "list/bookmark_list.h"

enum SortKey : int {
  kSortByTitle = 0,      // lower-cased, byte order, ascending
  kSortByVisits = 1,     // most first
  kSortByLastVisit = 2,  // latest first
};

// Sorts the siblings from `first` to the end of its group, each with its
// subtree. True when the order changed.
bool SortSiblings(BookmarkList& list, uint16_t first, int key);
// Sorts a column by title, sets flag 0x200 on its parent (the root for the
// categories), refills it and keeps its selection.
void SortColumn(BookmarkList& list, int level);
// Sorts every sibling group under fromIndex (the root or a category) by
// title and sets flag 0x200 on each parent; with bookmarksOnly only groups
// of bookmarks. The SmartFolders keep the order they maintain themselves.
// Then refills all columns.
void SortAll(BookmarkList& list, uint16_t fromIndex, bool bookmarksOnly);

// The SmartFolders: Favorites, Due to visit, Frequently visited, Recently
// added and Recently visited, subcategories of the "SmartFolders" category
// whose entries are aliases the program keeps by itself.
#pragma once

#include <cstdint>

#include "list/bookmark_list.h"

// The type (0-5) of the SmartFolder claimed at index, or -1.
int SmartFolderTypeOf(const BookmarkList& list, uint16_t index);

// Adds an entry (an alias) for a bookmark (or the target of an alias) to
// the SmartFolder of that type (1-5). Frequently visited admits only
// bookmarks with at least the admission threshold of visits; Frequently
// visited, Recently added and Recently visited hold at most "Max Smart
// Items" entries (0 = they take none), dropping the entry with the smallest
// key. Returns 1 when an entry was added, 0 when the bookmark was already
// there (Recently added then moves it to the top), -1 when refused.
int AddToSmartFolder(BookmarkList& list, int type, uint16_t bookmark);

// The rule run before a SmartFolder's column is filled: Favorites sorted by
// title, Due to visit loses entries no longer due, Frequently visited sorted
// by visits and Recently visited by last visit, most first. Sorting leaves
// the list's modified flag as it was.
void MaintainSmartFolder(BookmarkList& list, uint16_t folder);

// The idle due-visit scan: unless a scan is under way nothing happens until
// the next scan time; a scan looks at up to 200 items per call and enters
// every live bookmark whose due visit has come in Due to visit; after the
// last item the next scan is 900 seconds away. True when an entry was added.
bool DueVisitScan(BookmarkList& list);

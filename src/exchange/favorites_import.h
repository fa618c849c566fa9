// Import of a favorites or Start Menu folder: a tree of folders holding
// Internet shortcuts (".url") and shell links (".lnk").
#pragma once

#include <cstdint>
#include <string>

#include "list/bookmark_list.h"

// Appends the shortcuts of folder and of its sub-folders to the list. Each
// folder gives first its own shortcuts, then its sub-folders: the
// sub-folders of the chosen folder become categories, every deeper folder a
// subcategory, and shortcuts outside a subcategory go into "Uncategorized"
// fillers. A bookmark is titled with its file name (without extension),
// its address is the shortcut's (for a shell link, the target and its
// arguments), its TimeAdded the earlier of the file's creation and
// last-write times, its rating the given one. Unreadable shortcuts, shell
// links where the system has none, and other files are skipped. depth is
// the folder's level in the outline: -1 for the chosen folder. 0, or -1
// when folder cannot be listed. Stops when the list is full.
int ImportFavoritesFolder(BookmarkList& list, const std::string& folder, int depth, uint8_t rating);

// The import sources' entry for the two folder rows: the chosen folder
// imported with depth -1.
int ImportFavoritesTree(BookmarkList& list, const std::string& folder, uint8_t rating);

// The repair of a list whose outline loading found damaged: items after a
// separator, levels out of range or skipped, live items under deleted
// parents, items without an ID.
#pragma once

#include <string>

#include "list/bookmark_list.h"

// The title of the filler items the repair inserts.
constexpr char kFillerTitle[] = "Uncategorized";

// Copies the list file unchanged to "Autobackup (corrupted <date>) of
// <name>" beside it, then mends the outline in memory. Returns the copy's
// path, or an empty text when the copy could not be written (the outline is
// mended all the same). The list stays modified; nothing is written to the
// list file.
std::string Repair(BookmarkList& list);

// The outline part of Repair, without the copy.
void RepairOutline(BookmarkList& list);

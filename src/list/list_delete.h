// Deleting, undeleting and purging items. A deleted container or bookmark
// stays in the outline with flag 0x800 (and is saved so) until it is
// purged; aliases and separators leave the outline at once.
#pragma once

#include <cstdint>
#include <vector>

#include "list/bookmark_list.h"

// Deletes an item with its subtree. Without allInstances the deletion
// extends to a parent of which it is the only live child (and further up,
// unless extendToParents is false), and a deleted bookmark that has an
// alias outside the SmartFolders hands its whole record and ID to that
// alias. With allInstances a bookmark goes with all its aliases. kEditOk,
// or kEditFailed for the root, an item already deleted, the SmartFolders
// category or a SmartFolder.
int DeleteItem(BookmarkList& list, uint16_t index, bool allInstances, bool extendToParents = true);
// Deletes the item selected in that column; the selection moves to the
// next sibling, else to the previous one.
int DeleteSelected(BookmarkList& list, int level, bool allInstances);
// Deletes every marked live item, from the end of the outline to its
// start, without all instances. Containers marked only as the way to
// marked items stay unless they lose their last live child. The selection
// moves to the first unmarked item after the current one (else before).
int DeleteMarked(BookmarkList& list);
// Removes every deleted item from the outline for good.
void PurgeDeleted(BookmarkList& list);
// Clears flag 0x800 on the item, its parent and its grandparent. False for
// an item that is not in the outline (an alias or separator once deleted).
bool Undelete(BookmarkList& list, uint16_t index);
// 2 for an alias, and for a bookmark with a live alias outside the
// SmartFolders; 1 for a bookmark whose live aliases are all in SmartFolders;
// 0 otherwise.
int InstanceCount(const BookmarkList& list, uint16_t index);
// The live aliases of a target, in outline order.
std::vector<uint16_t> LiveAliases(const BookmarkList& list, uint16_t target);

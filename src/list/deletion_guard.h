// The guard before large deletions: a save that would leave a list with far
// fewer live items than its file holds first keeps that file as the
// "Before large deletion" snapshot beside the automatic backups, so that a
// mistaken Select All + Delete, a bad import or a faulty sync tool can be
// undone through Revert.
#pragma once

#include <cstdint>

#include "list/bookmark_list.h"

// A drop of more than one fifth of the items, or of more than this many.
constexpr uint32_t kLargeDeletionShare = 5;
constexpr uint32_t kLargeDeletionItems = 1000;

// The live bookmarks and containers of the outline: deleted items,
// separators, aliases (the SmartFolders' entries come and go by
// themselves) and the SmartFolders themselves do not count, so purging
// deleted items never counts as a deletion.
uint32_t CountLiveItems(const BookmarkList& list);

// True when going from before to after live items is a large deletion.
bool IsLargeDeletion(uint32_t before, uint32_t after);

// Run by a save before the list file is replaced: when the list now holds
// far fewer live items than list.liveItemsSaved, copies the list file (as it
// was last saved, so encrypted like the list) over the snapshot, stamped
// now. Returns the live items the save writes, the yardstick of the next
// save once this one succeeds. A failed copy is ignored, as the backups'.
uint32_t GuardLargeDeletion(const BookmarkList& list, uint32_t now);

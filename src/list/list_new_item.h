// Items typed in by the user in Organize mode: new categories,
// subcategories and bookmarks, titles and addresses edited in place, and
// the address check that finds an existing bookmark before a new one is
// made.
#pragma once

#include <cstdint>
#include <string>

#include "list/bookmark_list.h"

// The title an item gets when its title box is cleared.
constexpr char kNewTitle[] = "(New title)";
// The title of the containers made for a bookmark that has none.
constexpr char kUncategorizedTitle[] = "Uncategorized";

// Text without leading and trailing blanks (spaces and tabs).
std::string TrimBlanks(const std::string& text);
// What a typed title becomes: trimmed; empty becomes "(New title)" except
// for a separator, whose title may be empty.
std::string EditedTitle(const std::string& typed, bool separator);

// Stores a typed title on the item (on the target of an alias). True when
// the title changed (the list is then modified).
bool ApplyTitleEdit(BookmarkList& list, uint16_t item, const std::string& typed);
// Stores a typed address (trimmed) on a bookmark. A changed address resets
// the site status to unchecked and clears its check time. True when the
// address changed.
bool ApplyAddressEdit(BookmarkList& list, uint16_t item, const std::string& typed);

// Adds a new item of record.level at the end of the children of the item
// selected in the column above (the categories for level 0) and selects
// it; a parent that keeps its children sorted is sorted again. A bookmark
// without a selected category or subcategory goes into containers titled
// "Uncategorized" (found or made). A new bookmark also enters the Recently
// added SmartFolder. aliasOf, when not 0, makes the new bookmark an alias
// of that bookmark instead. Returns the new index, or kEditFailed (no
// parent, a SmartFolder or separator as parent), kEditFull, kEditNoMemory.
int AddNewItem(BookmarkList& list, const BookmarkItem& record, uint16_t aliasOf = 0);

// The first live real bookmark (not an alias, not a separator) whose
// address equals url, compared in lower case; 0 when none or url is empty.
uint16_t FindAddress(BookmarkList& list, const std::string& url);

// The entries of a SmartFolder as the tray menu's "&Due to visit" and
// "&Favorites" submenus show them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "list/bookmark_list.h"

struct TrayMenuEntry {
  uint16_t item = 0;  // the entry's index in the list (its command is base + item)
  bool separator = false;
  std::string text;  // the title, its ampersands doubled
};

// The live entries of the SmartFolder of type (kSmartFavorites ...), in
// column order after the folder's own upkeep (sorting, dropping entries no
// longer due); empty when the list has no such folder.
std::vector<TrayMenuEntry> TrayMenuEntries(BookmarkList& list, int smartType);
// True when item is still a live entry of the SmartFolder of type (a menu
// entry chosen after the list may have changed).
bool IsSmartFolderEntry(const BookmarkList& list, int smartType, uint16_t item);

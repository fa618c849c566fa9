// Import of a list file of the earlier product: one item per line, "<1>"
// and "<2>" marking categories and subcategories, bookmark lines of address,
// TAB, title and tagged fields, and aliases carried by numbers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "list/bookmark_list.h"

// Appends the file's items from its first "<1>" line on; fillers
// ("Uncategorized") stand in for missing levels. An "alias:N" line becomes
// an alias of the bookmark tagged with number N, or is dropped when no
// bookmark carries it. Returns 0 (also when the list fills up), or -1 when
// the file cannot be read or memory runs out (items appended until then
// stay).
int ImportEarlierList(BookmarkList& list, const std::string& path, uint8_t rating);
int ImportEarlierText(BookmarkList& list, std::string_view text, uint8_t rating);

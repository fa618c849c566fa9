// Import of a hotlist text file ("Opera Hotlist version 2.0"): "#FOLDER"
// and "#URL" records of tab-indented fields, a "-" line ending each folder.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "list/bookmark_list.h"

// Appends the hotlist's outline at the end of the list: links outside every
// folder first (under "Uncategorized"), then each folder followed by its
// own links and then its sub-folders. Returns 0 (also when the list fills
// up), or -1 for a file that cannot be read or lacks the first line.
int ImportOperaHotlist(BookmarkList& list, const std::string& path, uint8_t rating);
int ImportOperaText(BookmarkList& list, std::string_view text, uint8_t rating);

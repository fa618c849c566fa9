// Import of a browser bookmark file in the Netscape dialect: nested "<DL>"
// lists of "<DT>" entries holding "<H3>" folder headings and "<A>" links.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "list/bookmark_list.h"

// Reads the file (decoded from UTF-8) and appends its outline at the end of
// the list: every folder is followed by its own links (filed under a filler
// "Uncategorized" subcategory where needed), then by its sub-folders, which
// all become subcategories below the first level. rating goes into every
// imported bookmark. Returns 0, or -1 when the file cannot be read or more
// lists are opened than closed; items appended before a failure stay.
int ImportNetscapeHtml(BookmarkList& list, const std::string& path, uint8_t rating);

// The same walk over text already read and decoded from UTF-8.
int ImportNetscapeText(BookmarkList& list, std::string_view text, uint8_t rating);

// Import of an annotated bookmark file ("pm35.htm"): a flat list of
// "<dt><a href=...>title</a> <dd>...<br>" entries whose annotation holds
// keywords, a description and metadata in HTML comments.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "list/bookmark_list.h"

// Appends a filler category and subcategory ("Uncategorized") and every
// entry under them. Keywords that occur in the title or description are
// left out of Keywords. Returns 0, or -1 for a file that cannot be read or
// that defeats the pattern search (items appended until then stay).
int ImportPowermarks(BookmarkList& list, const std::string& path, uint8_t rating);
// The same over text already decoded from UTF-8.
int ImportPowermarksText(BookmarkList& list, std::string_view text, uint8_t rating);

// The rating a metadata field gives: the hexadecimal value plus one,
// halved, 0 above 5.
uint8_t PowermarksRating(std::string_view hex);

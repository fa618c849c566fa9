// Import of an XML favorites file: "<favorites>" holding "<favfolder
// title=...>" folders and "<favorite>" entries with "<title>", "<href>",
// "<created>" and the "lv"/"vc" attributes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "list/bookmark_list.h"

// Appends the favorites at the end of the list: those outside every folder
// first (under "Uncategorized"), then each folder followed by its own
// favorites and then its sub-folders. Returns 0, or -1 for a file that
// cannot be read, has no "<favorites" start tag, or defeats the pattern
// search (items appended until then stay).
int ImportMsnFavorites(BookmarkList& list, const std::string& path, uint8_t rating);
// The same over text already decoded from UTF-8.
int ImportMsnText(BookmarkList& list, std::string_view text, uint8_t rating);

// Seconds since 1970 of a UTC calendar time given as decimal texts; 0 when
// a part is out of range or the time does not fit in 32 bits.
uint32_t CalendarSeconds(std::string_view year, std::string_view month, std::string_view day,
                         std::string_view hour, std::string_view minute);

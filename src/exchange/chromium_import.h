// Import of a Chromium-family browser profile's "Bookmarks" file (JSON).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "list/bookmark_list.h"

// The title the browser's own HTML export gives the folder that holds the
// bookmarks bar, where the file names the bar no other way.
constexpr char kChromiumBarTitle[] = "Bookmarks bar";

// Reads the file and appends the outline that ImportNetscapeHtml appends
// for the HTML file the browser exports from the same profile: the
// bookmarks bar as a folder (named as in the file), then the contents of
// "other" and "synced" at the top level, each folder followed by its own
// links and then by its sub-folders. Node types other than "url" and
// "folder" are skipped with their contents. Titles and addresses are
// converted from UTF-8 to the ANSI code page, dates from microseconds since
// 1601 to seconds since 1970; rating goes into every imported bookmark.
// Returns 0, or -1 when the file cannot be read or is not a bookmarks file
// (see ReadChromiumTree); items appended before a failure stay.
int ImportChromiumBookmarks(BookmarkList& list, const std::string& path, uint8_t rating);

// The same over the file's bytes already read.
int ImportChromiumText(BookmarkList& list, std::string_view text, uint8_t rating);

// A "date_added" value (microseconds since 1601-01-01 UTC) as the list's
// seconds since 1970: 0 for times before 1970, saturating at 0xFFFFFFFF.
uint32_t ChromiumTimeToListTime(uint64_t microseconds);

// Import of the bookmarks menu of a browser profile's "places.sqlite"
// database (SQLite).
#pragma once

#include <cstdint>
#include <string>

#include "list/bookmark_list.h"

// Copies the database (and its write-ahead log, when there is one) under a
// new name into the temporary folder ("TMP", else "TEMP", else the system's
// temporary folder), opens the copy read-only and appends the tree under
// the bookmarks menu (places item 2): folders directly under the menu
// become categories, deeper ones subcategories, each followed by its own
// bookmarks. The copy is always deleted; the source is never written.
// Returns 0, or -1 when the copy cannot be made or opened, no known schema
// fits, or a read fails (items appended until then stay).
int ImportPlacesDatabase(BookmarkList& list, const std::string& path, uint8_t rating);

// The folder a copy goes to, with a trailing separator.
std::string PlacesCopyFolder();

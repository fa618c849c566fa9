// Helpers for the importer tests: the outline of a list in a compact text
// form, records by position, and the round trip through the list file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "list/bookmark_list.h"

namespace importtest {

// One string per item in outline order:
//   "C title"  category        "S title"  subcategory
//   "B title|url"  bookmark    "-C" "-S" "-B"  separator at that level
//   "A title"  alias of the bookmark with that title
std::vector<std::string> Outline(BookmarkList& list);

// The n-th item (0-based, in outline order), decoded.
BookmarkItem ItemAt(BookmarkList& list, size_t n);

// A list whose clock stands still, so that two imports of the same input
// give the same lines.
void FixClock(BookmarkList& list, uint32_t now = 1600000000);

// Writes the list with the list file writer into folder/name, loads it
// back into reloaded and expects every item line to come back unchanged.
void ExpectRoundTrip(BookmarkList& list, const std::string& path);

// Writes bytes to path (binary).
void WriteFile(const std::string& path, const std::string& bytes);

}  // namespace importtest

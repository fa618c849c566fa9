// The search engine: runs a search over one open list, leaving its result
// in the items' flags, and steps through the matches.
//
// Flags: every item that passes gets "search match" and "previous result";
// the category and subcategory above it get "search match" as containers;
// every other item loses both. "previous result" survives until the next
// search, which is what a search within previous results narrows.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "list/bookmark_list.h"
#include "list/list_edit.h"  // DeepestSelection: where a step starts
#include "search/search_options.h"

struct SearchResult {
  uint32_t matches = 0;         // items that passed
  uint32_t bookmarks = 0;       // distinct bookmarks among them (aliases not counted)
  uint16_t firstMatch = 0;      // the first item that passed, 0 = none
  uint16_t firstBookmark = 0;   // the first bookmark (not an alias) that passed
  std::vector<uint16_t> items;  // every item that passed, in list order
};

// Searches every live item of the list in outline order. A candidate
// passes the active rating, date and status filters and, unless the term
// is empty, has the prepared term in its title, address, notes or keywords
// (those switched on). Deleted items and separators never pass; with
// excludeSmartFolders neither does anything in the SmartFolders. With
// selectFirst and a match, the columns are filled along the first match.
// options.dateThreshold is used as it stands (see RefreshDateThreshold).
SearchResult RunSearch(BookmarkList& list, std::string_view term, const SearchOptions& options,
                       bool selectFirst);

// Fills the three columns along the path of index so that it is selected
// (the columns below it show its children, nothing selected).
void SelectItem(BookmarkList& list, uint16_t index);

// Walks from `from` (0 = the start of the list) forward or backward in
// outline order over live items, wrapping at the ends, to the first item
// that passed the last search itself (containers only marked as holding
// matches are passed over). 0 when the walk comes back to `from`.
uint16_t WalkToMatch(const BookmarkList& list, uint16_t from, bool backward);

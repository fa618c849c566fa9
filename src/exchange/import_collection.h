// The import dialog's dispatcher: one collection of a source row imported
// into an open list, then the dialog's two after-import options.
#pragma once

#include <cstdint>
#include <string>

#include "list/bookmark_list.h"

struct ImportOptions {
  uint8_t rating = 0;    // stored into each imported bookmark
  bool sort = false;     // sort the imported items by title
  bool addHttp = false;  // put "http://" before addresses without a protocol
};

// Appends the collection at path (a file, or a folder for the folder rows)
// through the importer of source row sourceCode, then applies the options
// and marks the list changed. Returns 0, or -1 when the code names no row
// or the importer failed (the items it appended before failing stay, and
// the options are not applied).
int ImportCollection(BookmarkList& list, int sourceCode, const std::string& path,
                     const ImportOptions& options);

// Every bookmark of the whole list (deleted ones included; an alias through
// its target) whose address contains neither "://" nor a backslash gets
// "http://" in front. Returns how many were changed.
int AddHttpPrefixes(BookmarkList& list);

// Sorts by title every sibling group made of items with an index above
// lastOldIndex (the items an import appended), leaving the items that were
// there before in their places.
void SortItemsAfter(BookmarkList& list, uint16_t lastOldIndex);

// The name proposed for a new list holding a source's collection:
// the row's short name + " bookmarks.bkl" ("" for a code outside the table).
std::string ProposedListFileName(int sourceCode);

// The columns of the List View dialog: numbers 1-22 are the item fields of
// those numbers, 23 tells how long ago the bookmark was last visited. The
// order and widths the user chose are kept in the settings.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "settings/settings.h"

class BookmarkList;

constexpr int kColumnPath = 1;         // field Level: the containing category and subcategory
constexpr int kColumnVisitedAgo = 23;  // relative time of TimeLastVisit
constexpr int kDefaultColumnWidth = 100;
constexpr int kMaxColumnWidth = 1000;  // a stored width above this is reset

struct ViewColumn {
  int number = 0;
  int width = 0;
};

bool IsViewColumn(int number);
const char* ViewColumnTitle(int number);
// The columns in display order from the settings; unknown numbers are
// skipped, widths above kMaxColumnWidth read as kDefaultColumnWidth. An empty
// or unusable order gives the default columns.
std::vector<ViewColumn> ViewColumnsOf(const Settings& settings);
// Stores order and widths (up to kMaxListColumns columns).
void StoreViewColumns(const std::vector<ViewColumn>& columns, Settings* settings);

// The text of one cell: the row's field value (an alias shows its
// target's, except for its own ID, flags and times of change), the path
// "Category > Subcategory" for the level column, dates for times, and for
// kColumnVisitedAgo the relative time against now.
std::string ViewCellText(BookmarkList& list, uint16_t index, int number, uint32_t now);

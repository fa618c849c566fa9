#include "view/list_view_columns.h"

#include <cstdio>
#include <ctime>

#include "list/bookmark_list.h"
#include "list/item_codec.h"
#include "list/site_status.h"
#include "platform/platform.h"
#include "util/relative_time.h"

namespace {

const char* const kTitles[] = {
    "",
    "Category / Subcategory",
    "Flags",
    "Modified",
    "Alias ID",
    "Title",
    "Address",
    "Notes",
    "Tags",
    "Log-in",
    "Password",
    "Browser",
    "Hot key",
    "Rating",
    "Created",
    "Visits",
    "Last visit",
    "Previous visit",
    "Next visit due",
    "Visit interval",
    "Site status",
    "Site updated",
    "Last checked",
    "Visited",
};
static_assert(sizeof kTitles / sizeof kTitles[0] == kColumnVisitedAgo + 1, "one title per column");

std::string Number(uint32_t value) { return std::to_string(value); }

std::string NonZero(uint32_t value) { return value == 0 ? std::string() : Number(value); }

// A time of the item as the user's local date.
std::string LocalDate(uint32_t time) {
  std::tm tm = {};
  if (time == 0 || !platform::UtcToLocalTm(time, &tm)) return std::string();
  return platform::FormatTime("%x", tm);
}

// TimeDueVisit is local wall-clock time kept as if it were UTC.
std::string WallClockDate(uint32_t time) {
  std::tm tm = {};
  if (time == 0 || !platform::UtcToUtcTm(time, &tm)) return std::string();
  return platform::FormatTime("%x", tm);
}

// Notes and tags on one table line: their line breaks become blanks.
std::string OneLine(const std::string& stored) {
  std::string text = DecodeNoteText(stored);
  std::string out;
  for (char c : text) {
    if (c == '\r') continue;
    out += c == '\n' ? ' ' : c;
  }
  return out;
}

std::string ContainerPath(BookmarkList& list, uint16_t index) {
  AncestorIndices path = list.AncestorPath(index);
  std::string text;
  for (uint16_t container : {path.category, path.subcategory}) {
    if (container == 0 || container == index) continue;
    BookmarkItem record;
    list.DecodeInto(container, false, &record);
    if (!text.empty()) text += " > ";
    text += record.title;
  }
  return text;
}

}  // namespace

bool IsViewColumn(int number) { return number >= kColumnPath && number <= kColumnVisitedAgo; }

const char* ViewColumnTitle(int number) { return IsViewColumn(number) ? kTitles[number] : ""; }

std::vector<ViewColumn> ViewColumnsOf(const Settings& settings) {
  std::vector<ViewColumn> columns;
  for (int i = 0; i < kMaxListColumns && settings.columnOrder[i] != 0; ++i) {
    int number = settings.columnOrder[i];
    if (!IsViewColumn(number)) continue;
    int width = settings.columnWidths[i];
    columns.push_back({number, width > kMaxColumnWidth ? kDefaultColumnWidth : width});
  }
  if (columns.empty() && settings.columnOrder[0] != Settings().columnOrder[0])
    return ViewColumnsOf(Settings());
  return columns;
}

void StoreViewColumns(const std::vector<ViewColumn>& columns, Settings* settings) {
  settings->columnOrder.fill(0);
  settings->columnWidths.fill(0);
  size_t n = 0;
  for (const ViewColumn& column : columns) {
    if (n == settings->columnOrder.size()) break;
    if (!IsViewColumn(column.number)) continue;
    settings->columnOrder[n] = static_cast<uint8_t>(column.number);
    settings->columnWidths[n] = static_cast<uint16_t>(column.width < 0 ? 0 : column.width);
    ++n;
  }
}

std::string ViewCellText(BookmarkList& list, uint16_t index, int number, uint32_t now) {
  if (!list.IsIndex(index) || !IsViewColumn(number)) return std::string();
  BookmarkItem own;
  list.DecodeInto(index, false, &own);
  BookmarkItem r;
  if (list.IsAlias(index))
    list.DecodeInto(index, true, &r);
  else
    r = own;
  switch (number) {
    case 1:
      return ContainerPath(list, index);
    case 2: {
      char text[16];
      snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(list.Link(index).flags));
      return text;
    }
    case 3:
      return LocalDate(own.timeModified);
    case 4:
      return NonZero(own.aliasId);
    case 5:
      return r.title;
    case 6:
      return r.url;
    case 7:
      return OneLine(r.notes);
    case 8:
      return OneLine(r.keywords);
    case 9:
      return r.login;
    // A password is never shown, only that there is one.
    case 10:
      return r.password.empty() ? std::string() : "****";
    case 11:
      return r.browser;
    case 12:
      return NonZero(r.hotkey);
    case 13:
      return NonZero(r.rating);
    case 14:
      return LocalDate(r.timeAdded);
    case 15:
      return Number(r.visits);
    case 16:
      return LocalDate(r.timeLastVisit);
    case 17:
      return LocalDate(r.timePreviousVisit);
    case 18:
      return WallClockDate(r.timeDueVisit);
    case 19:
      return r.dueVisitInterval;
    case 20:
      return SiteStatusText(r.siteStatus);
    case 21:
      return LocalDate(r.dateSiteUpdated);
    case 22:
      return LocalDate(r.timeSiteChecked);
    case kColumnVisitedAgo:
      return RelativeTimeTextAt(r.timeLastVisit, now);
    default:
      return std::string();
  }
}

#include "list/list_new_item.h"

#include "list/list_edit.h"
#include "list/list_sort.h"
#include "list/smart_folders.h"
#include "platform/platform.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

int AddFailure(const BookmarkList& list) { return list.full ? kEditFull : kEditNoMemory; }

// A container may take a new child unless it is a SmartFolder (they fill
// themselves) or a separator.
bool TakesChildren(const BookmarkList& list, uint16_t parent) {
  if (parent == kRootIndex) return true;
  return !list.TestFlags(parent, kFlagSeparator) && !list.TestFlags(parent, kFlagSmartFolder);
}

// The live child of parent titled title at level, or 0.
uint16_t ChildTitled(BookmarkList& list, uint16_t parent, int8_t level, const std::string& title) {
  uint16_t end = parent == kRootIndex ? kRootIndex : list.SubtreeEnd(parent, false).index;
  for (uint16_t i = list.Next(parent, true); i != end && i != 0; i = list.Next(i, true)) {
    if (list.Level(i) != level || list.IsAlias(i) || list.TestFlags(i, kFlagSeparator)) continue;
    BookmarkItem& r = list.ScratchRecord();
    list.DecodeInto(i, false, &r);
    if (r.title == title && TakesChildren(list, i)) return i;
  }
  return 0;
}

uint32_t IdOf(BookmarkList& list, uint16_t index) {
  BookmarkItem& r = list.ScratchRecord();
  list.DecodeInto(index, false, &r);
  return r.id;
}

// Adds record as the last child of parent; its index or a failure code.
int AppendChild(BookmarkList& list, uint16_t parent, const BookmarkItem& record, uint16_t aliasOf) {
  uint16_t before = parent == kRootIndex ? kRootIndex : list.SubtreeEnd(parent, false).index;
  uint32_t place = PlaceFor(list, record.level, before);
  if (place == kNoPlace) return kEditFailed;
  uint16_t added = aliasOf != 0
                       ? list.AddAlias(static_cast<uint16_t>(place), aliasOf, IdOf(list, aliasOf))
                       : list.AddItem(static_cast<uint16_t>(place), record, 0);
  return added == 0 ? AddFailure(list) : added;
}

// The container of level for a bookmark that has none selected: the
// "Uncategorized" one under parent, made when missing.
int UncategorizedUnder(BookmarkList& list, uint16_t parent, int8_t level) {
  if (uint16_t found = ChildTitled(list, parent, level, kUncategorizedTitle)) return found;
  BookmarkItem container;
  container.level = level;
  container.title = kUncategorizedTitle;
  return AppendChild(list, parent, container, 0);
}

}  // namespace

std::string TrimBlanks(const std::string& text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

std::string EditedTitle(const std::string& typed, bool separator) {
  std::string title = TrimBlanks(typed);
  if (title.empty() && !separator) title = kNewTitle;
  return title;
}

bool ApplyTitleEdit(BookmarkList& list, uint16_t item, const std::string& typed) {
  if (item == kRootIndex || !list.IsIndex(item)) return false;
  uint16_t target = list.Target(item);
  BookmarkItem record;
  list.DecodeInto(target, false, &record);
  std::string title = EditedTitle(typed, list.TestFlags(target, kFlagSeparator));
  if (title == record.title) return false;
  record.title = title;
  record.timeModified = list.Now();
  return list.Encode(record) == 0;
}

bool ApplyAddressEdit(BookmarkList& list, uint16_t item, const std::string& typed) {
  if (item == kRootIndex || !list.IsIndex(item) || list.Level(item) != kLevelBookmark) return false;
  uint16_t target = list.Target(item);
  if (list.TestFlags(target, kFlagSeparator)) return false;
  BookmarkItem record;
  list.DecodeInto(target, false, &record);
  std::string url = TrimBlanks(typed);
  if (url == record.url) return false;
  record.url = url;
  record.siteStatus = 0;
  record.timeSiteChecked = 0;
  record.timeModified = list.Now();
  return list.Encode(record) == 0;
}

int AddNewItem(BookmarkList& list, const BookmarkItem& record, uint16_t aliasOf) {
  const int level = record.level;
  if (level < kLevelCategory || level > kLevelBookmark) return kEditFailed;
  if (list.full) return kEditFull;
  uint16_t parent = level == 0 ? kRootIndex : list.columns[level - 1].SelectedItem();
  // A separator selected above a new bookmark holds nothing: the bookmark
  // goes where it would go with nothing selected there.
  if (level == kLevelBookmark && parent != 0 && list.TestFlags(parent, kFlagSeparator)) parent = 0;
  if (level == kLevelBookmark && parent == 0) {
    // A bookmark needs a category and a subcategory: the selected ones, or
    // "Uncategorized" containers.
    int category = list.columns[0].SelectedItem();
    if (category == 0 || !TakesChildren(list, static_cast<uint16_t>(category)))
      category = UncategorizedUnder(list, kRootIndex, kLevelCategory);
    if (category < 0) return category;
    int sub = UncategorizedUnder(list, static_cast<uint16_t>(category), kLevelSubcategory);
    if (sub < 0) return sub;
    list.FillColumn(0, static_cast<uint16_t>(category));
    list.FillColumn(1, static_cast<uint16_t>(sub));
    parent = static_cast<uint16_t>(sub);
  }
  if (level > 0 && parent == 0) return kEditFailed;
  if (!TakesChildren(list, parent)) return kEditFailed;
  int added = AppendChild(list, parent, record, aliasOf);
  if (added <= 0) return added;
  uint16_t index = static_cast<uint16_t>(added);
  if (level == kLevelBookmark && aliasOf == 0 && list.TestFlags(index, kFlagBookmark))
    AddToSmartFolder(list, kSmartRecentlyAdded, index);
  list.modified = true;
  list.FillColumn(level, index);
  // A parent that keeps its children in order takes the new one in its place.
  if (list.TestFlags(parent, kFlagKeepSorted)) SortColumn(list, level);
  for (int below = level + 1; below < 3; ++below) list.FillColumn(below, 0);
  return added;
}

uint16_t FindAddress(BookmarkList& list, const std::string& url) {
  std::string key = platform::LowerAnsiText(TrimBlanks(url));
  if (key.empty()) return 0;
  for (uint16_t i = list.Next(0, true); i != 0; i = list.Next(i, true)) {
    if (list.Level(i) != kLevelBookmark || list.IsAlias(i) || list.TestFlags(i, kFlagSeparator))
      continue;
    BookmarkItem& r = list.ScratchRecord();
    list.DecodeInto(i, false, &r);
    if (platform::LowerAnsiText(r.url) == key) return i;
  }
  return 0;
}

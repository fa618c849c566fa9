#include "view/list_views.h"

#include <map>

#include "list/list_delete.h"
#include "list/list_duplicates.h"
#include "list/list_edit.h"
#include "list/list_marks.h"
#include "platform/platform.h"

namespace {

// The duplicates pass asks whether to stop after this many items.
constexpr uint32_t kCancelPollItems = 64;

bool IsLiveBookmark(const BookmarkList& list, uint16_t i) {
  return !list.IsDeleted(i) && list.Level(i) == kLevelBookmark &&
         !list.TestFlags(i, kFlagSeparator);
}

// A bookmark of its own (not an alias) that takes part in duplicate
// finding and scheduling.
bool IsRealBookmark(const BookmarkList& list, uint16_t i) {
  return IsLiveBookmark(list, i) && !list.IsAlias(i) && list.TestFlags(i, kFlagBookmark);
}

std::string AddressKey(BookmarkList& list, uint16_t i) {
  BookmarkItem record;
  list.DecodeInto(i, true, &record);
  return platform::LowerAnsiText(record.url);
}

bool InSmartContainer(const BookmarkList& list, uint16_t i) {
  AncestorIndices path = list.AncestorPath(i);
  return IsSmartContainer(list, path.category) || IsSmartContainer(list, path.subcategory);
}

template <typename Keep>
std::vector<uint16_t> LiveItemsWhere(const BookmarkList& list, Keep keep) {
  std::vector<uint16_t> rows;
  for (uint16_t i = list.Next(0, true); i != 0; i = list.Next(i, true))
    if (keep(i)) rows.push_back(i);
  return rows;
}

// Groups of at least two real bookmarks sharing an address (lower case),
// in the order of their first members, each in outline order.
std::vector<std::vector<uint16_t>> DuplicateGroups(BookmarkList& list,
                                                   const std::function<bool()>& cancelled,
                                                   bool* wasCancelled) {
  std::map<std::string, size_t> groupOf;
  std::vector<std::vector<uint16_t>> groups;
  uint32_t seen = 0;
  for (uint16_t i = list.Next(0, true); i != 0; i = list.Next(i, true)) {
    if (cancelled && ++seen % kCancelPollItems == 0 && cancelled()) {
      if (wasCancelled) *wasCancelled = true;
      break;
    }
    if (!IsRealBookmark(list, i)) continue;
    std::string key = AddressKey(list, i);
    if (key.empty()) continue;
    auto found = groupOf.emplace(key, groups.size());
    if (found.second) groups.emplace_back();
    groups[found.first->second].push_back(i);
  }
  std::vector<std::vector<uint16_t>> shared;
  for (auto& group : groups)
    if (group.size() > 1) shared.push_back(std::move(group));
  return shared;
}

std::vector<uint16_t> SameAddressRows(BookmarkList& list, const ListViewSource& source) {
  std::string address;
  if (source.newBookmarkPending) {
    address = platform::LowerAnsiText(source.pendingAddress);
  } else if (source.selectedBookmark != 0 && IsLiveBookmark(list, source.selectedBookmark)) {
    address = AddressKey(list, source.selectedBookmark);
  }
  if (address.empty()) return {};
  return LiveItemsWhere(
      list, [&](uint16_t i) { return IsRealBookmark(list, i) && AddressKey(list, i) == address; });
}

std::vector<uint16_t> AliasRows(BookmarkList& list, uint16_t selected) {
  if (selected == 0 || !IsLiveBookmark(list, selected)) return {};
  uint16_t target = list.Target(selected);
  return LiveItemsWhere(list, [&](uint16_t i) {
    return list.Level(i) == kLevelBookmark && (i == target || list.Link(i).aliasTarget == target);
  });
}

std::vector<uint16_t> ScheduledRows(BookmarkList& list) {
  return LiveItemsWhere(list, [&](uint16_t i) {
    if (!IsRealBookmark(list, i)) return false;
    BookmarkItem record;
    list.DecodeInto(i, false, &record);
    return record.timeDueVisit != 0;
  });
}

std::vector<uint16_t> DeletedRows(const BookmarkList& list) {
  std::vector<uint16_t> rows;
  for (uint16_t i = list.Next(0, false); i != 0; i = list.Next(i, false))
    if (list.IsDeleted(i)) rows.push_back(i);
  return rows;
}

// Each item's place in the outline (live items only; others 0).
std::vector<uint32_t> OutlinePositions(const BookmarkList& list) {
  std::vector<uint32_t> position(static_cast<size_t>(list.itemCount) + 1, 0);
  uint32_t n = 0;
  for (uint16_t i = list.Next(0, true); i != 0; i = list.Next(i, true)) position[i] = ++n;
  return position;
}

uint16_t NextDuplicateGroup(BookmarkList& list, uint16_t current) {
  std::vector<std::vector<uint16_t>> groups = DuplicateGroups(list, nullptr, nullptr);
  std::vector<uint32_t> position = OutlinePositions(list);
  uint16_t from = current != 0 && list.IsIndex(current) ? list.Target(current) : 0;
  for (const auto& group : groups)
    for (uint16_t member : group)
      if (member == from) from = group.front();
  uint32_t after = from != 0 ? position[from] : 0;
  for (const auto& group : groups)
    if (position[group.front()] > after) return group.front();
  return 0;
}

uint16_t NextAliasGroup(BookmarkList& list, uint16_t current) {
  uint16_t from = current != 0 && list.IsIndex(current) ? list.Target(current) : 0;
  std::vector<uint32_t> position = OutlinePositions(list);
  uint32_t after = from != 0 ? position[from] : 0;
  for (uint16_t i = list.Next(0, true); i != 0; i = list.Next(i, true))
    if (position[i] > after && IsRealBookmark(list, i) && InstanceCount(list, i) == 2) return i;
  return 0;
}

}  // namespace

const char* ViewEntryName(int entry) {
  static const char* const kNames[kViewCount] = {
      "Search results",   "Marked",    "Aliases", "Duplicates (grouped)",
      "Duplicates (all)", "Scheduled", "All",     "Deleted"};
  return entry >= 0 && entry < kViewCount ? kNames[entry] : "";
}

std::vector<uint16_t> BuildViewRows(BookmarkList& list, int entry, const ListViewSource& source,
                                    bool* wasCancelled) {
  if (wasCancelled) *wasCancelled = false;
  switch (entry) {
    case kViewSearchResults:
      return LiveItemsWhere(list, [&](uint16_t i) {
        return (list.Link(i).flags & (kFlagSearchMatch | kFlagPreviousResult)) != 0;
      });
    case kViewMarked:
      return LiveItemsWhere(list, [&](uint16_t i) {
        return IsLiveBookmark(list, i) && (list.Link(i).flags & kFlagMarked) != 0;
      });
    case kViewAliases:
      return AliasRows(list, source.selectedBookmark);
    case kViewDuplicatesGrouped:
      return SameAddressRows(list, source);
    case kViewDuplicatesAll: {
      std::vector<uint16_t> rows;
      for (const auto& group : DuplicateGroups(list, source.cancelled, wasCancelled))
        rows.insert(rows.end(), group.begin(), group.end());
      return rows;
    }
    case kViewScheduled:
      return ScheduledRows(list);
    case kViewAll:
      return LiveItemsWhere(list, [&](uint16_t i) {
        return IsLiveBookmark(list, i) && !(source.ignoreSmartFolders && InSmartContainer(list, i));
      });
    case kViewDeleted:
      return DeletedRows(list);
    default:
      return {};
  }
}

bool HasMarkedBookmark(const BookmarkList& list) {
  for (uint16_t i = list.Next(0, true); i != 0; i = list.Next(i, true))
    if (IsLiveBookmark(list, i) && (list.Link(i).flags & kFlagMarked) != 0) return true;
  return false;
}

int CorrectViewEntry(int entry, int searchState, bool bookmarksMarked) {
  if (entry == kViewMarked && !bookmarksMarked && searchState != 3) return kViewSearchResults;
  if (entry == kViewSearchResults && searchState == 1 && bookmarksMarked) return kViewMarked;
  return entry;
}

bool ShowsNextGroup(int entry, bool newBookmarkPending) {
  return entry == kViewAliases || (entry == kViewDuplicatesGrouped && !newBookmarkPending);
}

uint16_t NextGroupItem(BookmarkList& list, int entry, uint16_t current) {
  return entry == kViewDuplicatesGrouped ? NextDuplicateGroup(list, current)
                                         : NextAliasGroup(list, current);
}

void SelectItemInColumns(BookmarkList& list, uint16_t index) {
  if (index == 0 || !list.IsIndex(index) || list.IsDeleted(index)) return;
  AncestorIndices path = list.AncestorPath(index);
  list.FillColumn(0, path.category);
  list.FillColumn(1, path.subcategory);
  list.FillColumn(2, path.bookmark);
}

const char* ActionName(int action) {
  static const char* const kNames[] = {
      "Open", "Mark", "Unmark", "Delete", "Undelete", "Convert to aliases", "Delete permanently"};
  return action >= 0 && action <= kActionDeletePermanently ? kNames[action] : "";
}

std::vector<int> ViewActions(int entry) {
  switch (entry) {
    case kViewMarked:
      return {kActionUnmark, kActionOpen, kActionDelete};
    case kViewDuplicatesGrouped:
      return {kActionDelete, kActionConvertToAliases, kActionOpen, kActionMark};
    case kViewDuplicatesAll:
      return {kActionDelete, kActionOpen, kActionMark};
    case kViewDeleted:
      return {kActionUndelete, kActionDeletePermanently};
    default:
      return {kActionOpen, kActionMark, kActionDelete};
  }
}

bool ApplyViewAction(BookmarkList& list, int action, const std::vector<uint16_t>& checkedRows) {
  if (checkedRows.empty()) return false;
  bool changed = false;
  switch (action) {
    case kActionMark:
    case kActionUnmark:
      for (auto row = checkedRows.rbegin(); row != checkedRows.rend(); ++row)
        Mark(list, *row, action == kActionMark ? 1 : 0, true, true);
      return true;
    case kActionDelete:
      for (auto row = checkedRows.rbegin(); row != checkedRows.rend(); ++row)
        changed = DeleteItem(list, *row, false, false) == kEditOk || changed;
      return changed;
    case kActionUndelete:
      for (auto row = checkedRows.rbegin(); row != checkedRows.rend(); ++row)
        changed = Undelete(list, *row) || changed;
      return changed;
    case kActionDeletePermanently:
      for (auto row = checkedRows.rbegin(); row != checkedRows.rend(); ++row)
        changed = PurgeItem(list, *row) || changed;
      return changed;
    case kActionConvertToAliases:
      return ConvertToAliases(list, checkedRows) != 0;
    default:
      return false;
  }
}

bool PurgeItem(BookmarkList& list, uint16_t index) {
  if (index == kRootIndex || !list.IsIndex(index) || !list.IsDeleted(index) || !InRing(list, index))
    return false;
  std::vector<uint16_t> gone{index};
  for (uint16_t i = list.Next(index, false); i != 0 && list.Level(i) > list.Level(index);
       i = list.Next(i, false))
    gone.push_back(i);
  for (uint16_t i : gone) {
    if (list.IsAlias(i) && !list.IsDeleted(i)) {
      list.RemoveAlias(i);
      continue;
    }
    // An alias left pointing at a purged bookmark would lose its target.
    for (uint16_t alias : LiveAliases(list, i)) list.RemoveAlias(alias);
    if (!list.IsDeleted(i) && list.Level(i) == kLevelBookmark && list.TestFlags(i, kFlagBookmark) &&
        list.bookmarkCount > 0)
      --list.bookmarkCount;
    list.RemoveFromRing(i);
  }
  list.modified = true;
  return true;
}

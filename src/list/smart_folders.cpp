#include "list/smart_folders.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace {

constexpr int kScanBatch = 200;
constexpr uint32_t kScanPause = 900;

// The live direct children of a folder.
std::vector<uint16_t> Entries(const BookmarkList& list, uint16_t folder) {
  std::vector<uint16_t> entries;
  int8_t level = list.Level(folder);
  for (uint16_t i = list.Next(folder, true); i != 0 && list.Level(i) > level;
       i = list.Next(i, true))
    if (list.Level(i) == level + 1) entries.push_back(i);
  return entries;
}

struct Keyed {
  uint16_t index;
  std::string text;
  uint32_t number;
};

// Sorts a folder's children, each with its subtree. Separators and
// SmartFolders stay where they are and split the children into runs that
// are sorted separately; equal keys keep their order.
void SortChildren(BookmarkList& list, uint16_t folder, int type) {
  std::vector<Keyed> children;
  int8_t level = list.Level(folder);
  BookmarkItem& record = list.ScratchRecord();
  for (uint16_t i = list.Next(folder, false); i != 0 && list.Level(i) > level;
       i = list.Next(i, false)) {
    if (list.Level(i) != level + 1) continue;
    list.DecodeInto(i, true, &record);
    Keyed k{i, {}, 0};
    if (type == kSmartFavorites) k.text = platform::LowerAnsiText(record.title);
    k.number = type == kSmartFrequentlyVisited ? record.visits : record.timeLastVisit;
    children.push_back(std::move(k));
  }
  auto before = [type](const Keyed& a, const Keyed& b) {
    return type == kSmartFavorites ? a.text < b.text : a.number > b.number;
  };
  std::vector<Keyed> sorted = children;
  for (size_t start = 0; start < sorted.size();) {
    if (list.TestFlags(sorted[start].index, kFlagSeparator) ||
        list.TestFlags(sorted[start].index, kFlagSmartFolder)) {
      ++start;
      continue;
    }
    size_t end = start;
    while (end < sorted.size() && !list.TestFlags(sorted[end].index, kFlagSeparator) &&
           !list.TestFlags(sorted[end].index, kFlagSmartFolder))
      ++end;
    std::stable_sort(sorted.begin() + start, sorted.begin() + end, before);
    start = end;
  }
  bool same = std::equal(sorted.begin(), sorted.end(), children.begin(),
                         [](const Keyed& a, const Keyed& b) { return a.index == b.index; });
  if (same) return;
  uint16_t end = list.SubtreeEnd(folder, false).index;
  for (const Keyed& k : sorted) list.MoveBlockBefore(k.index, end);
}

uint32_t EvictionKey(BookmarkList& list, int type, uint16_t entry) {
  BookmarkItem& r = list.ScratchRecord();
  list.DecodeInto(entry, true, &r);
  if (type == kSmartFrequentlyVisited) return r.visits;
  return type == kSmartRecentlyAdded ? r.timeAdded : r.timeLastVisit;
}

// Drops entries with the smallest key until the folder is within the
// limit. On a tie the entry farthest from where new ones arrive goes (the
// top for Frequently visited, the bottom for the others).
void Trim(BookmarkList& list, int type, uint16_t folder) {
  for (;;) {
    std::vector<uint16_t> entries = Entries(list, folder);
    if (entries.size() <= list.settings.maxSmartItems) return;
    uint16_t victim = 0;
    uint32_t smallest = 0;
    for (uint16_t e : entries) {
      if (!list.IsAlias(e)) continue;
      uint32_t key = EvictionKey(list, type, e);
      bool better =
          victim == 0 || key < smallest || (key == smallest && type != kSmartFrequentlyVisited);
      if (better) {
        victim = e;
        smallest = key;
      }
    }
    if (victim == 0) return;  // nothing the program put there
    if (type == kSmartFrequentlyVisited) list.frequentThreshold = static_cast<uint16_t>(smallest);
    list.RemoveAlias(victim);
  }
}

}  // namespace

int SmartFolderTypeOf(const BookmarkList& list, uint16_t index) {
  if (index == 0 || !list.IsIndex(index) || !list.TestFlags(index, kFlagSmartFolder)) return -1;
  int type = list.Link(index).flags & kFlagSmartType;
  return type < kSmartFolderSlots && list.smartFolderIndex[type] == index ? type : -1;
}

int AddToSmartFolder(BookmarkList& list, int type, uint16_t bookmark) {
  if (type < kSmartFavorites || type > kSmartRecentlyVisited || !list.IsIndex(bookmark)) return -1;
  uint16_t folder = list.smartFolderIndex[type];
  uint16_t target = list.Target(bookmark);
  if (folder == 0 || list.IsDeleted(folder) || target == 0 || list.IsDeleted(target) ||
      !list.TestFlags(target, kFlagBookmark))
    return -1;
  BookmarkItem& record = list.ScratchRecord();
  list.DecodeInto(target, false, &record);
  uint32_t id = record.id;
  if (type == kSmartFrequentlyVisited && record.visits < list.frequentThreshold) return -1;
  bool limited = type >= kSmartFrequentlyVisited;
  if (limited && list.settings.maxSmartItems == 0) return -1;

  std::vector<uint16_t> entries = Entries(list, folder);
  for (uint16_t e : entries) {
    if (list.Link(e).aliasTarget != target) continue;
    if (type == kSmartRecentlyAdded && e != entries.front())
      list.MoveBlockBefore(e, entries.front());
    return 0;
  }
  uint16_t place = type == kSmartFrequentlyVisited ? list.SubtreeEnd(folder, false).index
                                                   : list.Next(folder, false);
  if (list.AddAlias(place, target, id) == 0) return -1;
  if (limited) Trim(list, type, folder);
  return 1;
}

void MaintainSmartFolder(BookmarkList& list, uint16_t folder) {
  int type = SmartFolderTypeOf(list, folder);
  if (type == kSmartFavorites || type == kSmartFrequentlyVisited || type == kSmartRecentlyVisited) {
    // The order follows from the entries and is made again whenever the
    // folder is shown: putting them in it is no change of the user's.
    const bool modified = list.modified;
    SortChildren(list, folder, type);
    list.modified = modified;
  } else if (type == kSmartDueToVisit) {
    int64_t now = list.Now();
    BookmarkItem& r = list.ScratchRecord();
    for (uint16_t e : Entries(list, folder)) {
      if (!list.IsAlias(e)) continue;
      list.DecodeInto(e, true, &r);
      if (r.dueTime == 0 || r.dueTime > now) list.RemoveAlias(e);
    }
  }
}

bool DueVisitScan(BookmarkList& list) {
  uint32_t now = list.Now();
  if (!list.dueScanActive) {
    if (now < list.nextDueScan) return false;
    list.dueScanActive = true;
    list.dueScanPosition = 1;
  }
  bool added = false;
  BookmarkItem record;
  for (int n = 0; n < kScanBatch && list.dueScanPosition <= list.itemCount; ++n) {
    uint16_t i = list.dueScanPosition++;
    // Index order, not ring order: items moved meanwhile cannot upset it.
    if (list.IsDeleted(i) || list.IsAlias(i) || !list.TestFlags(i, kFlagBookmark)) continue;
    list.DecodeInto(i, false, &record);
    if (record.dueTime != 0 && record.dueTime <= now &&
        AddToSmartFolder(list, kSmartDueToVisit, i) == 1)
      added = true;
    if (list.dueScanPosition == 0) break;  // wrapped past the last index
  }
  if (list.dueScanPosition == 0 || list.dueScanPosition > list.itemCount) {
    list.dueScanActive = false;
    list.nextDueScan = now + kScanPause;
  }
  return added;
}

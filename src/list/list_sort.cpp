#include "list/list_sort.h"

#include <algorithm>
#include <string>
#include <vector>

#include "list/list_edit.h"
#include "platform/platform.h"

namespace {

struct Keyed {
  uint16_t index;
  std::string text;
  uint32_t number;
  bool fixed;  // a separator or SmartFolder: stays put and ends a run
};

Keyed KeyOf(BookmarkList& list, uint16_t index, int key) {
  Keyed k{index, {}, 0, false};
  k.fixed = list.TestFlags(index, kFlagSeparator) || IsSmartContainer(list, index);
  BookmarkItem& record = list.ScratchRecord();
  list.DecodeInto(index, true, &record);
  if (key == kSortByTitle) k.text = platform::LowerAnsiText(record.title);
  k.number = key == kSortByVisits ? record.visits : record.timeLastVisit;
  return k;
}

void SortGroup(BookmarkList& list, uint16_t parent, int key) {
  uint16_t first = list.Next(parent, false);
  if (first != 0 && list.Level(first) > list.Level(parent)) SortSiblings(list, first, key);
}

}  // namespace

bool SortSiblings(BookmarkList& list, uint16_t first, int key) {
  if (first == kRootIndex || !list.IsIndex(first) || !InRing(list, first)) return false;
  std::vector<Keyed> siblings;
  uint16_t i = first;
  SiblingResult next{1, first};
  while (next.result == 1) {
    i = next.index;
    siblings.push_back(KeyOf(list, i, key));
    next = list.SubtreeEnd(i, false);
  }
  auto before = [key](const Keyed& a, const Keyed& b) {
    if (key == kSortByTitle) return a.text < b.text;  // char_traits: unsigned bytes
    return a.number > b.number;
  };
  std::vector<Keyed> sorted = siblings;
  for (size_t start = 0; start < sorted.size();) {
    size_t end = start;
    while (end < sorted.size() && !sorted[end].fixed) ++end;
    std::stable_sort(sorted.begin() + start, sorted.begin() + end, before);
    start = end + 1;
  }
  bool same = std::equal(sorted.begin(), sorted.end(), siblings.begin(),
                         [](const Keyed& a, const Keyed& b) { return a.index == b.index; });
  if (same) return false;
  uint16_t end = list.SubtreeEnd(siblings.back().index, false).index;
  for (const Keyed& k : sorted) list.MoveBlockBefore(k.index, end);
  list.Touch(list.Parent(first));
  return true;
}

void SortColumn(BookmarkList& list, int level) {
  if (level < 0 || level > 2) return;
  uint16_t parent = level == 0 ? kRootIndex : list.columns[level - 1].SelectedItem();
  if ((level > 0 && parent == 0) || IsSmartContainer(list, parent)) return;
  uint16_t selected = list.columns[level].SelectedItem();
  SortGroup(list, parent, kSortByTitle);
  if (!IsSmartContainer(list, parent)) list.SetFlags(parent, kFlagKeepSorted, 1);
  list.modified = true;
  list.FillColumn(level, selected);
}

void SortAll(BookmarkList& list, uint16_t fromIndex, bool bookmarksOnly) {
  if (!list.IsIndex(fromIndex)) return;
  std::vector<uint16_t> parents{fromIndex};
  int8_t level = list.Level(fromIndex);
  for (uint16_t i = list.Next(fromIndex, false); i != 0 && list.Level(i) > level;
       i = list.Next(i, false))
    if (list.Level(i) < kLevelBookmark && !list.IsDeleted(i)) parents.push_back(i);
  for (uint16_t parent : parents) {
    if (IsSmartContainer(list, parent) || (parent != kRootIndex && list.IsDeleted(parent)))
      continue;
    if (bookmarksOnly && list.Level(parent) != kLevelSubcategory) continue;
    SortGroup(list, parent, kSortByTitle);
    list.SetFlags(parent, kFlagKeepSorted, 1);
  }
  list.modified = true;
  RefillColumns(list);
}

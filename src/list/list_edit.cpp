#include "list/list_edit.h"

bool InRing(const BookmarkList& list, uint16_t index) {
  if (index == kRootIndex) return true;
  if (!list.IsIndex(index)) return false;
  return list.Link(list.Link(index).prev).next == index;
}

bool IsSmartContainer(const BookmarkList& list, uint16_t index) {
  return index != kRootIndex && list.IsIndex(index) && !list.IsAlias(index) &&
         (list.Link(index).flags & kFlagSmartFolder) != 0;
}

uint32_t PlaceFor(const BookmarkList& list, int8_t level, uint16_t before) {
  // Only a deleted item of a lower level would become the new item's
  // parent; deleted items of its level or deeper stay in front of it.
  uint16_t place = before;
  for (uint16_t p = list.Prev(place, false); p != 0 && list.IsDeleted(p); p = list.Prev(p, false))
    if (list.Level(p) < level) place = p;
  uint16_t prev = list.Prev(place, false);
  int8_t prevLevel = prev == 0 ? kLevelRoot : list.Level(prev);
  if (level < kLevelCategory || level > kLevelBookmark || level > prevLevel + 1) return kNoPlace;
  // A separator is nobody's parent.
  if (prev != 0 && level > prevLevel && list.TestFlags(prev, kFlagSeparator)) return kNoPlace;
  return place;
}

void RefillColumns(BookmarkList& list) {
  for (int level = 0; level < 3; ++level) {
    uint16_t selected = list.columns[level].SelectedItem();
    if (selected != 0 && (list.IsDeleted(selected) || !InRing(list, selected))) selected = 0;
    list.FillColumn(level, selected);
  }
}

uint16_t DeepestSelection(const BookmarkList& list) {
  for (int level = 2; level >= 0; --level)
    if (uint16_t s = list.columns[level].SelectedItem()) return s;
  return 0;
}

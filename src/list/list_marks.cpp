#include "list/list_marks.h"

#include <algorithm>

namespace {

bool Counted(const BookmarkList& list, uint16_t index) {
  int8_t level = list.Level(index);
  return level >= kLevelCategory && level <= kLevelBookmark && !list.IsDeleted(index) &&
         !list.TestFlags(index, kFlagSeparator);
}

void SetMark(BookmarkList& list, uint16_t index, bool on) {
  if (index == kRootIndex) return;
  bool was = (list.Link(index).flags & kFlagMarked) != 0;
  if (was == on) return;
  list.SetFlags(index, kFlagMarked, on ? 1 : 0);
  if (!Counted(list, index)) return;
  uint32_t& count = list.markedCount[list.Level(index)];
  if (on) {
    ++count;
  } else if (count > 0) {
    --count;
  }
}

}  // namespace

bool HasMarkedDescendant(const BookmarkList& list, uint16_t index) {
  int8_t level = list.Level(index);
  for (uint16_t i = list.Next(index, true); i != 0 && list.Level(i) > level; i = list.Next(i, true))
    if (list.Link(i).flags & kFlagMarked) return true;
  return false;
}

void Mark(BookmarkList& list, uint16_t index, int mode, bool withSubtree, bool withAncestors) {
  if (index == kRootIndex || !list.IsIndex(index)) return;
  bool on = mode == 1 || (mode == 2 && !(list.Link(index).flags & kFlagMarked));
  SetMark(list, index, on);
  if (withSubtree) {
    int8_t level = list.Level(index);
    for (uint16_t i = list.Next(index, false); i != 0 && list.Level(i) > level;
         i = list.Next(i, false))
      SetMark(list, i, on);
  }
  if (!withAncestors) return;
  if (on) {
    uint16_t parent = list.Parent(index);
    SetMark(list, parent, true);
    SetMark(list, list.Parent(parent), true);
    return;
  }
  for (uint16_t p = list.Parent(index); p != 0; p = list.Parent(p)) {
    if (HasMarkedDescendant(list, p)) break;
    SetMark(list, p, false);
  }
}

void ToggleMarkSelected(BookmarkList& list, int level) {
  if (level < 0 || level > 2) return;
  uint16_t item = list.columns[level].SelectedItem();
  if (item != 0) Mark(list, item, 2, true, true);
}

void MarkRange(BookmarkList& list, int level, int from, int to, int mode) {
  if (level < 0 || level > 2) return;
  const ListColumn& column = list.columns[level];
  if (from > to) std::swap(from, to);
  from = std::max(from, 0);
  to = std::min(to, column.Last());
  for (int p = from; p <= to; ++p) Mark(list, column.entries[p], mode, true, p == to);
}

bool MarkFound(BookmarkList& list) {
  bool any = false;
  for (uint16_t i = list.Next(0, false); i != 0; i = list.Next(i, false)) {
    uint16_t flags = list.Link(i).flags;
    if (flags & (kFlagPreviousResult | kFlagSearchMatch)) any = true;
    if (flags & kFlagDeleted) continue;
    if (flags & kFlagPreviousResult) {
      Mark(list, i, 1, true, false);
    } else if (flags & kFlagSearchMatch) {
      Mark(list, i, 1, false, false);
    }
  }
  return any;
}

void ClearAllMarks(BookmarkList& list) {
  for (uint16_t i = 1; list.IsIndex(i) && i != 0; ++i)
    if (list.Link(i).flags & kFlagMarked) list.SetFlags(i, kFlagMarked, 0);
  list.markedCount.fill(0);
}

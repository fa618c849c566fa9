#include "list/list_delete.h"

#include "list/list_edit.h"
#include "list/list_marks.h"

namespace {

bool InSmartFolder(const BookmarkList& list, uint16_t index) {
  return IsSmartContainer(list, list.Parent(index));
}

// The common end of every deletion: unmarked (with ancestors), flag 0x800,
// the parent touched. Aliases and separators leave the ring.
void MarkDeleted(BookmarkList& list, uint16_t index) {
  if (list.IsDeleted(index)) return;
  Mark(list, index, 0, false, true);
  uint16_t parent = list.Parent(index);
  if (list.IsAlias(index)) {
    list.RemoveAlias(index);
    return;
  }
  bool bookmark = list.TestFlags(index, kFlagBookmark) && list.Level(index) == kLevelBookmark;
  if (list.TestFlags(index, kFlagSeparator)) {
    list.RemoveFromRing(index);
  } else {
    list.SetFlags(index, kFlagDeleted, 1);
    if (bookmark && list.bookmarkCount > 0) --list.bookmarkCount;
  }
  list.Touch(parent);
}

void DeleteAllInstances(BookmarkList& list, uint16_t target) {
  for (uint16_t alias : LiveAliases(list, target)) MarkDeleted(list, alias);
  MarkDeleted(list, target);
}

// The alias takes the target's place: the target's complete record, ID
// included; the other aliases of the ID now resolve to it.
void Promote(BookmarkList& list, uint16_t target, uint16_t alias) {
  BookmarkItem record;
  list.DecodeInto(target, false, &record);
  std::vector<uint16_t> others = LiveAliases(list, target);
  uint16_t aliasFlags = list.Link(alias).flags;
  Mark(list, target, 0, false, true);
  list.Touch(list.Parent(target));
  list.RemoveFromRing(target);
  list.SetAliasTarget(alias, 0);
  list.SetFlags(alias, kItemFlagBits, 0);
  uint16_t itemFlags = record.flags & kItemFlagBits & ~kFlagHasAliases;
  if (others.size() > 1) itemFlags |= kFlagHasAliases;
  list.SetFlags(alias, itemFlags, 1);
  record.index = record.viaIndex = alias;
  record.level = kLevelBookmark;
  record.aliasId = 0;
  record.flags = static_cast<uint16_t>(itemFlags | (aliasFlags & kLinkFlagBits));
  list.Encode(record);
  for (uint16_t other : others)
    if (other != alias) list.SetAliasTarget(other, alias);
  list.Touch(list.Parent(alias));
}

void DeleteOne(BookmarkList& list, uint16_t index, bool allInstances) {
  if (list.IsDeleted(index) || !InRing(list, index) || IsSmartContainer(list, index)) return;
  if (list.IsAlias(index)) {
    if (allInstances) {
      DeleteAllInstances(list, list.Target(index));
    } else {
      MarkDeleted(list, index);
    }
    return;
  }
  std::vector<uint16_t> aliases = LiveAliases(list, index);
  if (aliases.empty()) {
    MarkDeleted(list, index);
    return;
  }
  if (!allInstances) {
    for (uint16_t alias : aliases) {
      if (!InSmartFolder(list, alias)) {
        Promote(list, index, alias);
        return;
      }
    }
  }
  DeleteAllInstances(list, index);
}

}  // namespace

std::vector<uint16_t> LiveAliases(const BookmarkList& list, uint16_t target) {
  std::vector<uint16_t> aliases;
  if (!list.TestFlags(target, kFlagHasAliases) || list.IsAlias(target)) return aliases;
  for (uint16_t i = list.Next(0, true); i != 0; i = list.Next(i, true))
    if (list.Link(i).aliasTarget == target) aliases.push_back(i);
  return aliases;
}

int DeleteItem(BookmarkList& list, uint16_t index, bool allInstances, bool extendToParents) {
  if (index == kRootIndex || !list.IsIndex(index) || list.IsDeleted(index) ||
      !InRing(list, index) || IsSmartContainer(list, index))
    return kEditFailed;
  uint16_t top = index;
  while (!allInstances && extendToParents) {
    uint16_t parent = list.Parent(top);
    if (parent == kRootIndex || IsSmartContainer(list, parent) ||
        list.CountChildren(parent).children != 1)
      break;
    top = parent;
  }
  std::vector<uint16_t> items{top};
  int8_t level = list.Level(top);
  for (uint16_t i = list.Next(top, true); i != 0 && list.Level(i) > level; i = list.Next(i, true))
    items.push_back(i);
  list.EncodeCurrentIfChanged();
  for (uint16_t i : items) DeleteOne(list, i, allInstances);
  list.modified = true;
  return kEditOk;
}

int DeleteSelected(BookmarkList& list, int level, bool allInstances) {
  if (level < 0 || level > 2) return kEditFailed;
  ListColumn& column = list.columns[level];
  uint16_t item = column.SelectedItem();
  if (item == 0) return kEditFailed;
  int position = column.selected;
  std::vector<uint16_t> entries = column.entries;
  int result = DeleteItem(list, item, allInstances);
  if (result != kEditOk) return result;
  uint16_t next = 0;
  for (int p = position + 1; p < static_cast<int>(entries.size()) && next == 0; ++p)
    if (!list.IsDeleted(entries[p]) && InRing(list, entries[p])) next = entries[p];
  for (int p = position - 1; p >= 0 && next == 0; --p)
    if (!list.IsDeleted(entries[p]) && InRing(list, entries[p])) next = entries[p];
  column.selected = -1;
  for (size_t p = 0; p < column.entries.size(); ++p)
    if (column.entries[p] == next) column.selected = static_cast<int>(p);
  RefillColumns(list);
  return kEditOk;
}

int DeleteMarked(BookmarkList& list) {
  std::vector<uint16_t> order;
  for (uint16_t i = list.Next(0, false); i != 0; i = list.Next(i, false)) order.push_back(i);
  uint16_t current = DeepestSelection(list);
  uint16_t selection = 0;
  auto unmarkedLive = [&list](uint16_t i) {
    return !list.IsDeleted(i) && !(list.Link(i).flags & kFlagMarked);
  };
  size_t at = order.size();
  for (size_t p = 0; p < order.size(); ++p)
    if (order[p] == current) at = p;
  for (size_t p = at + 1; p < order.size() && selection == 0; ++p)
    if (unmarkedLive(order[p])) selection = order[p];
  for (size_t p = at; p-- > 0 && selection == 0;)
    if (unmarkedLive(order[p])) selection = order[p];

  for (size_t p = order.size(); p-- > 0;) {
    uint16_t i = order[p];
    if ((list.Link(i).flags & kFlagMarked) && !list.IsDeleted(i) && InRing(list, i))
      DeleteItem(list, i, false);
  }
  list.modified = true;
  if (selection != 0 && !list.IsDeleted(selection) && InRing(list, selection)) {
    AncestorIndices path = list.AncestorPath(selection);
    list.FillColumn(0, path.category);
    list.FillColumn(1, path.subcategory);
    list.FillColumn(2, path.bookmark);
  } else {
    RefillColumns(list);
  }
  return kEditOk;
}

void PurgeDeleted(BookmarkList& list) {
  std::vector<uint16_t> gone;
  for (uint16_t i = list.Next(0, false); i != 0; i = list.Next(i, false))
    if (list.IsDeleted(i)) gone.push_back(i);
  for (uint16_t i : gone) list.RemoveFromRing(i);
  list.modified = true;
}

bool Undelete(BookmarkList& list, uint16_t index) {
  if (index == kRootIndex || !list.IsIndex(index) || !InRing(list, index)) return false;
  uint16_t parent = list.Parent(index);
  uint16_t chain[3] = {index, parent, parent != 0 ? list.Parent(parent) : uint16_t{0}};
  for (uint16_t i : chain) {
    if (i == kRootIndex || !list.IsDeleted(i)) continue;
    list.SetFlags(i, kFlagMarked, 0);  // deleted items are not counted as marked
    list.SetFlags(i, kFlagDeleted, 0);
    if (list.Level(i) == kLevelBookmark && list.TestFlags(i, kFlagBookmark)) ++list.bookmarkCount;
    list.Touch(list.Parent(i));
  }
  list.modified = true;
  return true;
}

int InstanceCount(const BookmarkList& list, uint16_t index) {
  if (index == kRootIndex || !list.IsIndex(index)) return 0;
  if (list.IsAlias(index)) return 2;
  std::vector<uint16_t> aliases = LiveAliases(list, index);
  if (aliases.empty()) return 0;
  for (uint16_t a : aliases)
    if (!InSmartFolder(list, a)) return 2;
  return 1;
}

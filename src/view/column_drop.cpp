#include "view/column_drop.h"

#include "list/item_codec.h"
#include "list/list_edit.h"
#include "list/list_sort.h"
#include "list/list_transfer.h"

namespace {

// The parent whose children the column of level shows (0 = none chosen).
uint16_t ColumnParent(const BookmarkList& list, int level) {
  return level == 0 ? kRootIndex : list.columns[level - 1].SelectedItem();
}

// Generated containers and separators hold nothing the user drops.
bool RefusesChildren(const BookmarkList& list, uint16_t container) {
  if (container == kRootIndex) return false;
  return IsSmartContainer(list, container) || list.TestFlags(container, kFlagSeparator);
}

bool IsBookmark(const BookmarkList& list, uint16_t item) {
  return list.Level(item) == kLevelBookmark && list.TestFlags(item, kFlagBookmark);
}

// The item before which the last child of parent would follow.
uint16_t EndOf(const BookmarkList& list, uint16_t parent) {
  return parent == kRootIndex ? kRootIndex : list.SubtreeEnd(parent, false).index;
}

DropPlan Plan(const BookmarkList& list, const DropRequest& r, uint16_t parent, uint16_t before,
              bool into) {
  DropPlan plan;
  uint32_t place = PlaceFor(list, static_cast<int8_t>(r.sourceLevel), before);
  if (place == kNoPlace) return plan;
  bool sameParent = list.Parent(r.sourceItem) == parent;
  if (r.copy && (into || !sameParent) && IsBookmark(list, r.sourceItem)) {
    plan.action = kDropAlias;
  } else {
    // Contents of a SmartFolder are generated and SmartFolders stay in
    // their category: they may be re-ordered or aliased, not moved away.
    if (RefusesChildren(list, list.Parent(r.sourceItem))) return plan;
    if (!sameParent && IsSmartContainer(list, r.sourceItem)) return plan;
    // A move to where the item already stands changes nothing.
    uint16_t end = list.SubtreeEnd(r.sourceItem, false).index;
    if (place == r.sourceItem || place == end) return plan;
    plan.action = kDropMove;
  }
  plan.place = static_cast<uint16_t>(place);
  plan.intoLine = into;
  return plan;
}

}  // namespace

int DragPhaseOver(const BookmarkList& list, int sourceLevel, uint16_t sourceItem, int targetLevel) {
  if (targetLevel < 0 || targetLevel > sourceLevel) return kDragging;
  if (targetLevel < sourceLevel) return kDragMove;
  return list.Parent(sourceItem) == ColumnParent(list, sourceLevel) ? kDragReorder : kDragMove;
}

DropPlan PlanDrop(const BookmarkList& list, const DropRequest& r) {
  if (r.sourceLevel < 0 || r.sourceLevel > 2 || r.sourceItem == kRootIndex ||
      !list.IsIndex(r.sourceItem) || list.IsDeleted(r.sourceItem) || !InRing(list, r.sourceItem) ||
      list.Level(r.sourceItem) != r.sourceLevel)
    return {};
  if (r.targetLevel == r.sourceLevel) {
    uint16_t parent = ColumnParent(list, r.sourceLevel);
    if (r.sourceLevel > 0 && parent == 0) return {};
    if (RefusesChildren(list, parent)) return {};
    const ListColumn& column = list.columns[r.sourceLevel];
    uint16_t before = r.targetLine >= 0 && r.targetLine <= column.Last()
                          ? column.entries[r.targetLine]
                          : EndOf(list, parent);
    if (before == r.sourceItem) return {};
    return Plan(list, r, parent, before, false);
  }
  if (r.targetLevel == r.sourceLevel - 1) {
    const ListColumn& column = list.columns[r.targetLevel];
    if (r.targetLine < 0 || r.targetLine > column.Last()) return {};
    uint16_t container = column.entries[r.targetLine];
    if (RefusesChildren(list, container) || list.IsAlias(container)) return {};
    return Plan(list, r, container, EndOf(list, container), true);
  }
  return {};
}

uint16_t CarryOutDrop(BookmarkList& list, const DropRequest& r, const DropPlan& plan) {
  if (plan.action == kDropNothing || list.full) return 0;
  uint16_t result = 0;
  if (plan.action == kDropAlias) {
    uint16_t target = list.Target(r.sourceItem);
    result = list.AddAlias(plan.place, target, DecodeHead(list.Line(target)).id);
  } else if (MoveBefore(list, r.sourceItem, plan.place, true)) {
    result = r.sourceItem;
  }
  if (result == 0) return 0;
  uint16_t parent = list.Parent(result);
  list.Touch(parent);
  if (parent != kRootIndex && list.TestFlags(parent, kFlagKeepSorted)) {
    // Dropped at the end of a sorted container it takes its sorted place;
    // placed by hand, the container is no longer kept sorted.
    if (plan.intoLine)
      SortSiblings(list, list.Next(parent, false), kSortByTitle);
    else
      list.SetFlags(parent, kFlagKeepSorted, 0);
  }
  list.modified = true;
  if (plan.intoLine) {
    for (int level = r.targetLevel; level < 3; ++level)
      list.FillColumn(level, level < r.sourceLevel ? list.columns[level].SelectedItem() : 0);
  } else {
    list.FillColumn(r.sourceLevel, result);
    for (int level = r.sourceLevel + 1; level < 3; ++level)
      list.FillColumn(level, list.columns[level].SelectedItem());
  }
  return result;
}

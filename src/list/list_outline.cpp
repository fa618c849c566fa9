// Growing the outline and reading it column by column.
#include "list/bookmark_list.h"
#include "list/item_codec.h"
#include "list/smart_folders.h"

uint16_t BookmarkList::AddItem(uint16_t afterIndex, const BookmarkItem& record,
                               uint16_t aliasTarget) {
  return AddItemTouching(afterIndex, record, aliasTarget, false, 0);
}

uint16_t BookmarkList::AddItemWithParent(uint16_t afterIndex, const BookmarkItem& record,
                                         uint16_t aliasTarget, uint16_t parent) {
  return AddItemTouching(afterIndex, record, aliasTarget, true, parent);
}

uint16_t BookmarkList::AddItemTouching(uint16_t afterIndex, const BookmarkItem& record,
                                       uint16_t aliasTarget, bool parentKnown, uint16_t parent) {
  // The last index a list can hold also fills it: nothing is added beyond,
  // since a file holding more items could not be loaded back whole.
  if (full || itemCount >= kMaxItems || lastId == 0xFFFFFFFFu) {
    full = true;
    return 0;
  }
  if (aliasTarget != 0 && (!IsIndex(aliasTarget) || IsAlias(aliasTarget))) return 0;
  if (!GrowTables(static_cast<size_t>(itemCount) + 2)) return 0;
  if (!IsIndex(afterIndex)) afterIndex = kRootIndex;
  EncodeCurrentIfChanged();

  uint32_t now = Now();
  uint16_t index = static_cast<uint16_t>(itemCount + 1);
  // The line is written from the record as it is, with the numbers the
  // list gives it: no copy of the record or of its texts.
  NewLineNumbers numbers;
  numbers.id = lastId + 1;
  numbers.timeAdded = record.timeAdded == 0 ? now : record.timeAdded;
  numbers.timeModified = now;
  uint16_t flags = record.flags & kPersistedFlagBits;
  flags = NoteTextIsEmpty(record.notes) ? flags & ~kFlagHasNotes : flags | kFlagHasNotes;
  if (record.level == kLevelBookmark && !(flags & kFlagSeparator) && aliasTarget == 0 &&
      record.aliasId == 0)
    flags |= kFlagBookmark;
  numbers.flags = flags;

  ItemLink link;
  link.level = record.level;
  link.flags = flags;
  link.aliasTarget = aliasTarget;
  links_.push_back(link);  // capacity reserved above
  if (!lines_.PushWritten(EncodedLineBound(record), [&record, &numbers](char* room) {
        return EncodeNewLineInto(record, numbers, room);
      })) {
    links_.pop_back();
    return 0;
  }
  lastId = numbers.id;
  itemCount = index;
  LinkBefore(index, afterIndex);
  if ((flags & kFlagBookmark) && aliasTarget == 0 && !(flags & kFlagDeleted)) ++bookmarkCount;
  if (aliasTarget != 0 && !(links_[aliasTarget].flags & kFlagHasAliases)) {
    links_[aliasTarget].flags |= kFlagHasAliases;
    Reencode(aliasTarget, false);
  }
  if (itemCount >= kMaxItems) full = true;
  uint16_t parentIndex = parentKnown && IsIndex(parent) ? parent : Parent(index);
  // Appending many children within one second (an import) would rewrite
  // the parent's line with the same time again and again.
  if (!parentKnown || DecodeTimeModified(Line(parentIndex)) != now) Touch(parentIndex);
  modified = true;
  return index;
}

uint16_t BookmarkList::AddAlias(uint16_t afterIndex, uint16_t targetIndex, uint32_t targetId) {
  if (targetIndex == kRootIndex) return 0;
  BookmarkItem r;
  r.level = kLevelBookmark;
  r.aliasId = targetId;
  r.timeAdded = r.timeModified = Now();
  return AddItem(afterIndex, r, targetIndex);
}

ChildCounts BookmarkList::CountChildren(uint16_t index) const {
  ChildCounts counts;
  if (!IsIndex(index)) return counts;
  int8_t level = links_[index].level;
  for (uint16_t i = Next(index, true); i != 0 && links_[i].level > level; i = Next(i, true)) {
    if (links_[i].level == level + 1) ++counts.children;
    if (links_[i].level == kLevelBookmark && TestFlags(i, kFlagBookmark)) ++counts.bookmarks;
  }
  return counts;
}

void BookmarkList::FillColumn(int level, uint16_t selectIndex) {
  if (level < 0 || level > 2) return;
  ListColumn& column = columns[level];
  column = ListColumn();
  uint16_t parent = level == 0 ? kRootIndex : columns[level - 1].SelectedItem();
  if (level > 0 && parent == 0) return;
  if (SmartFolderTypeOf(*this, parent) > 0) MaintainSmartFolder(*this, parent);
  int8_t parentLevel = links_[parent].level;
  for (uint16_t i = Next(parent, true); i != 0 && links_[i].level > parentLevel;
       i = Next(i, true)) {
    if (links_[i].level != parentLevel + 1) continue;
    if (i == selectIndex) column.selected = static_cast<int>(column.entries.size());
    column.entries.push_back(i);
  }
}

bool BookmarkList::SelectById(uint32_t id) {
  uint16_t index = FindById(id);
  if (index == 0) return false;
  AncestorIndices path = AncestorPath(index);
  FillColumn(0, path.category);
  if (path.category != 0) FillColumn(1, path.subcategory);
  if (path.subcategory != 0) FillColumn(2, path.bookmark);
  return true;
}

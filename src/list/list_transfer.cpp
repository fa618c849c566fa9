#include "list/list_transfer.h"

#include <vector>

#include "list/encryption.h"
#include "list/list_delete.h"
#include "list/item_codec.h"
#include "list/list_edit.h"
#include "list/list_marks.h"
#include "list/list_sort.h"
#include "list/smart_folders.h"

namespace {

constexpr uint16_t kTransferFlags = 0x1FB0;  // no SmartFolder bits, 0x40, search or mark bits

bool Marked(const BookmarkList& list, uint16_t i) {
  return (list.Link(i).flags & kFlagMarked) && !list.IsDeleted(i);
}

bool WholeSubtreeMarked(const BookmarkList& list, uint16_t index) {
  int8_t level = list.Level(index);
  for (uint16_t i = list.Next(index, true); i != 0 && list.Level(i) > level; i = list.Next(i, true))
    if (!(list.Link(i).flags & kFlagMarked)) return false;
  return true;
}

std::vector<uint16_t> Outline(const BookmarkList& list) {
  std::vector<uint16_t> order;
  for (uint16_t i = list.Next(0, true); i != 0; i = list.Next(i, true)) order.push_back(i);
  return order;
}

int AddFailure(const BookmarkList& list) { return list.full ? kEditFull : kEditNoMemory; }

// A new item standing for a container or separator: same title and level.
BookmarkItem Representative(BookmarkList& list, uint16_t index) {
  BookmarkItem record;
  list.DecodeInto(index, false, &record);
  BookmarkItem copy;
  copy.level = record.level;
  copy.title = record.title;
  copy.flags = record.flags & kTransferFlags;
  return copy;
}

int MoveMarked(BookmarkList& list, int targetLevel, uint16_t position) {
  for (uint16_t i : Outline(list)) {
    if (!Marked(list, i) || list.Level(i) < targetLevel || IsSmartContainer(list, i)) continue;
    uint32_t place = PlaceFor(list, list.Level(i), position);
    if (place == kNoPlace || place == i) continue;
    if (list.Level(i) == kLevelBookmark || WholeSubtreeMarked(list, i)) {
      MoveBefore(list, i, static_cast<uint16_t>(place), false);
      continue;
    }
    BookmarkItem copy;
    list.DecodeInto(i, false, &copy);
    copy.flags &= kPersistedFlagBits & ~kFlagSmartFolder & ~kFlagSmartType;
    if (list.AddItem(static_cast<uint16_t>(place), copy, 0) == 0) return AddFailure(list);
    Mark(list, i, 0, false, false);
  }
  return kEditOk;
}

int AliasMarked(BookmarkList& list, int targetLevel, uint16_t position) {
  for (uint16_t i : Outline(list)) {
    if (!Marked(list, i) || list.Level(i) < targetLevel || IsSmartContainer(list, i)) continue;
    uint32_t place = PlaceFor(list, list.Level(i), position);
    if (place == kNoPlace) continue;
    uint16_t added;
    if (list.Level(i) == kLevelBookmark && list.TestFlags(i, kFlagBookmark)) {
      uint16_t target = list.Target(i);
      added = list.AddAlias(static_cast<uint16_t>(place), target,
                            DecodeHead(list.Line(target)).id);
    } else {
      added = list.AddItem(static_cast<uint16_t>(place), Representative(list, i), 0);
    }
    if (added == 0) return AddFailure(list);
  }
  return kEditOk;
}

// The password of a record copied between lists, from the source's form
// to the target's. Slot 1 of the target's cipher holds the source's key.
bool ConvertPassword(BookmarkList& target, bool fromEnciphered, std::string* password) {
  bool toEnciphered = (target.encryptionOptions & kEncryptSitePasswords) != 0;
  if (password->empty() || (!fromEnciphered && !toEnciphered)) return true;
  ListEncryption& cipher = EncryptionOf(target);
  std::string out;
  bool ok;
  if (fromEnciphered && toEnciphered) {
    ok = cipher.HasKey(0) && cipher.HasKey(1) && cipher.ReencipherText(*password, &out);
  } else if (fromEnciphered) {
    ok = cipher.HasKey(1) && cipher.DecipherText(*password, 1, &out);
  } else {
    ok = cipher.HasKey(0) && cipher.EncipherText(*password, &out);
  }
  if (ok) *password = out;
  return ok;
}

struct Copied {
  BookmarkItem record;
  uint16_t place;
};

// Prepares every record first, so that a password that cannot be
// converted, or a list without room, stops the transfer before any change.
int CollectFromHolding(BookmarkList& list, BookmarkList& source, int targetLevel,
                       uint16_t position, std::vector<Copied>* out) {
  bool fromEnciphered = (source.encryptionOptions & kEncryptSitePasswords) != 0;
  ListEncryption& cipher = EncryptionOf(list);
  if (!source.password.empty()) cipher.SetKey(1, source.password);
  for (uint16_t i : Outline(source)) {
    if (!Marked(source, i) || source.Level(i) < targetLevel || IsSmartContainer(source, i))
      continue;
    Copied c;
    source.DecodeInto(i, true, &c.record);
    c.record.level = source.Level(i);
    c.record.flags &= kTransferFlags;
    c.record.aliasId = 0;
    c.record.id = 0;
    if (!ConvertPassword(list, fromEnciphered, &c.record.password)) return kEditFailed;
    out->push_back(std::move(c));
  }
  if (static_cast<size_t>(list.itemCount) + out->size() > kMaxItems) return kEditFull;
  (void)position;
  return kEditOk;
}

int TransferFromHolding(BookmarkList& list, BookmarkList* source, int targetLevel,
                        uint16_t position, int operation) {
  if (source == nullptr || source == &list) return kEditFailed;
  std::vector<Copied> copies;
  int result = CollectFromHolding(list, *source, targetLevel, position, &copies);
  EncryptionOf(list).ClearKey(1);
  if (result != kEditOk) return result;
  for (Copied& c : copies) {
    uint32_t place = PlaceFor(list, c.record.level, position);
    if (place == kNoPlace) continue;
    uint16_t added = list.AddItem(static_cast<uint16_t>(place), c.record, 0);
    if (added == 0) return AddFailure(list);
    if (list.Level(added) == kLevelBookmark && list.TestFlags(added, kFlagBookmark))
      AddToSmartFolder(list, kSmartRecentlyAdded, added);
  }
  if (operation == kTransferMoveFromHolding) {
    DeleteMarked(*source);
  } else {
    ClearAllMarks(*source);
  }
  return kEditOk;
}

}  // namespace

bool MoveBefore(BookmarkList& list, uint16_t item, uint16_t before, bool keepEmptyParent) {
  if (item == kRootIndex || !list.IsIndex(item) || !list.IsIndex(before) || !InRing(list, item) ||
      !InRing(list, before))
    return false;
  uint16_t end = list.SubtreeEnd(item, false).index;
  if (before == item || before == end) return false;
  int8_t level = list.Level(item);
  for (uint16_t i = list.Next(item, false); i != end; i = list.Next(i, false))
    if (i == before) return false;
  Mark(list, item, 0, true, true);
  uint16_t oldParent = list.Parent(item);
  list.MoveBlockBefore(item, before);
  uint16_t newParent = list.Parent(item);
  (void)level;
  bool emptied = oldParent != kRootIndex && oldParent != newParent &&
                 !list.IsDeleted(oldParent) && list.CountChildren(oldParent).children == 0;
  if (emptied && !keepEmptyParent) {
    DeleteItem(list, oldParent, false);
  } else if (!list.IsDeleted(oldParent)) {
    list.Touch(oldParent);
  }
  list.Touch(newParent);
  list.modified = true;
  return true;
}

int TransferMarked(BookmarkList& list, BookmarkList* holding, int targetLevel,
                   uint16_t targetPosition, int operation) {
  if (targetLevel < 0 || targetLevel > 2 || operation < 0 || operation > 3) return kEditFailed;
  if (operation >= kTransferCopyFromHolding && holding == nullptr) return kEditFailed;
  if (list.full) return kEditFull;
  bool precise = targetPosition != 0;
  uint16_t parent = targetLevel == 0 ? kRootIndex : list.columns[targetLevel - 1].SelectedItem();
  if (precise) {
    if (!InRing(list, targetPosition) || list.IsDeleted(targetPosition)) return kEditFailed;
    parent = list.Parent(targetPosition);
  } else if (targetLevel > 0 && parent == 0) {
    return kEditFailed;
  }
  uint16_t position = precise ? targetPosition : list.SubtreeEnd(parent, false).index;
  if (parent == kRootIndex) position = precise ? targetPosition : kRootIndex;
  int result;
  switch (operation) {
    case kTransferMove: result = MoveMarked(list, targetLevel, position); break;
    case kTransferAlias: result = AliasMarked(list, targetLevel, position); break;
    default: result = TransferFromHolding(list, holding, targetLevel, position, operation);
  }
  if (operation <= kTransferAlias) ClearAllMarks(list);
  if (result == kEditFailed || result == kEditFull) return result;
  if (!list.IsDeleted(parent) && InRing(list, parent) && list.TestFlags(parent, kFlagKeepSorted)) {
    if (precise) {
      list.SetFlags(parent, kFlagKeepSorted, 0);
    } else {
      uint16_t first = list.Next(parent, false);
      if (first != 0 && list.Level(first) > list.Level(parent)) SortSiblings(list, first, kSortByTitle);
    }
  }
  list.modified = true;
  RefillColumns(list);
  if (precise && InRing(list, targetPosition) && !list.IsDeleted(targetPosition)) {
    AncestorIndices path = list.AncestorPath(targetPosition);
    list.FillColumn(0, path.category);
    list.FillColumn(1, path.subcategory);
    list.FillColumn(2, path.bookmark);
  }
  return result;
}

int InsertSeparator(BookmarkList& list, int level) {
  if (level < 0 || level > 2) return kEditFailed;
  if (list.full) return kEditFull;
  ListColumn& column = list.columns[level];
  uint16_t parent = level == 0 ? kRootIndex : list.columns[level - 1].SelectedItem();
  if (level > 0 && parent == 0) return kEditFailed;
  uint16_t before = column.SelectedItem();
  if (before == 0) before = parent == kRootIndex ? kRootIndex : list.SubtreeEnd(parent, false).index;
  uint32_t place = PlaceFor(list, static_cast<int8_t>(level), before);
  if (place == kNoPlace) return kEditFailed;
  BookmarkItem separator;
  separator.level = static_cast<int8_t>(level);
  separator.flags = kFlagSeparator;
  uint16_t added = list.AddItem(static_cast<uint16_t>(place), separator, 0);
  if (added == 0) return AddFailure(list);
  list.FillColumn(level, added);
  return added;
}

bool ToggleBold(BookmarkList& list, int level) {
  if (level < 0 || level > 2) return false;
  uint16_t item = list.columns[level].SelectedItem();
  if (item == 0) return false;
  list.SetFlags(list.Target(item), kFlagBold, 2);
  list.Touch(list.Parent(item));
  list.modified = true;
  return true;
}

// Tables, navigation, flags and records of a BookmarkList. Adding items and
// filling the columns are in list_outline.cpp.
#include "list/bookmark_list.h"

#include <algorithm>
#include <new>
#include <stdexcept>

#include "list/due_visit.h"
#include "list/item_codec.h"

namespace {
constexpr size_t kInitialCapacity = 1000;
constexpr size_t kGrowthStep = 500;
constexpr size_t kMaxEntries = 65536;  // every 16-bit index
constexpr char kEmptyRootLine[] = "0\t0\t0\t0";
}  // namespace

BookmarkList::BookmarkList() { Reset(); }

void BookmarkList::Reset() {
  itemCount = 0;
  lastId = 0;
  bookmarkCount = 0;
  encryptionOptions = 0;
  keyState = 0;
  salt.clear();
  checkValue.clear();
  password.clear();
  path.clear();
  file.Close();
  readOnly = true;
  modified = false;
  full = false;
  needsRepair = false;
  linesLeftUnread = false;
  lastSaveTime = 0;
  lastError = 0;
  liveItemsSaved = 0;
  smartFolderIndex.fill(0);
  for (ListColumn& c : columns) c = ListColumn();
  markedCount.fill(0);
  frequentThreshold = 0;
  dueScanActive = false;
  dueScanPosition = 0;
  nextDueScan = 0;
  links_.clear();
  lines_.Clear();
  currentValid_ = false;
  current_.Clear();
  if (GrowTables(1)) {
    links_.push_back(ItemLink());
    if (!lines_.Push(kEmptyRootLine)) links_.clear();
  }
}

bool BookmarkList::GrowTables(size_t entries) {
  if (entries > tableLimit_ || entries > kMaxEntries) return false;
  size_t capacity = links_.capacity();
  if (entries <= capacity && entries <= lines_.Capacity()) return true;
  // Steps of at least 500 entries; larger steps for large lists keep
  // loading linear.
  size_t want = std::max(capacity, kInitialCapacity);
  while (want < entries) want += std::max(kGrowthStep, want / 2 / kGrowthStep * kGrowthStep);
  want = std::min(want, kMaxEntries);
  if (want > tableLimit_) want = entries;
  try {
    links_.reserve(want);
  } catch (const std::bad_alloc&) {
    return false;
  } catch (const std::length_error&) {
    return false;
  }
  return lines_.Reserve(want);
}

bool BookmarkList::ReserveItems(size_t count) {
  size_t most = std::min(tableLimit_, kMaxEntries);
  size_t entries = size_t{itemCount} + 1;
  return GrowTables(count < most - std::min(most, entries) ? entries + count : most);
}

bool BookmarkList::StoreLine(uint16_t index, std::string_view text) {
  return lines_.Set(index, text);
}

// ---- Navigation -----------------------------------------------------------

uint16_t BookmarkList::Next(uint16_t index, bool skipDeleted) const {
  if (!IsIndex(index)) return 0;
  uint16_t i = links_[index].next;
  while (skipDeleted && i != 0 && IsDeleted(i)) i = links_[i].next;
  return i;
}

uint16_t BookmarkList::Prev(uint16_t index, bool skipDeleted) const {
  if (!IsIndex(index)) return 0;
  uint16_t i = links_[index].prev;
  while (skipDeleted && i != 0 && IsDeleted(i)) i = links_[i].prev;
  return i;
}

SiblingResult BookmarkList::SubtreeEnd(uint16_t index, bool skipDeleted) const {
  if (index == kRootIndex || !IsIndex(index)) return {-1, 0};
  int8_t level = links_[index].level;
  uint16_t i = Next(index, skipDeleted);
  while (i != 0 && links_[i].level > level) i = Next(i, skipDeleted);
  if (i == 0) return {0, 0};
  return {links_[i].level == level ? 1 : 0, i};
}

SiblingResult BookmarkList::PrevSibling(uint16_t index, bool skipDeleted) const {
  if (index == kRootIndex || !IsIndex(index)) return {-1, 0};
  int8_t level = links_[index].level;
  uint16_t i = Prev(index, skipDeleted);
  while (i != 0 && links_[i].level > level) i = Prev(i, skipDeleted);
  if (i == 0) return {0, 0};
  return {links_[i].level == level ? 1 : 0, i};
}

uint16_t BookmarkList::Parent(uint16_t index) const {
  if (index == kRootIndex || !IsIndex(index)) return 0;
  int8_t level = links_[index].level;
  uint16_t i = links_[index].prev;
  while (i != 0 && links_[i].level >= level) i = links_[i].prev;
  return i;
}

AncestorIndices BookmarkList::AncestorPath(uint16_t index) const {
  AncestorIndices path;
  uint16_t* slots[3] = {&path.category, &path.subcategory, &path.bookmark};
  for (uint16_t i = index; i != 0 && IsIndex(i); i = Parent(i)) {
    int8_t level = links_[i].level;
    if (level >= 0 && level <= 2 && *slots[level] == 0) *slots[level] = i;
    if (level <= 0) break;
  }
  return path;
}

uint16_t BookmarkList::Target(uint16_t index) const {
  if (!IsIndex(index)) return index;
  uint16_t target = links_[index].aliasTarget;
  return target != 0 ? target : index;
}

uint16_t BookmarkList::FindById(uint32_t id) const {
  for (uint16_t i = Next(0, true); i != 0; i = Next(i, true))
    if (DecodeHead(lines_.Get(i)).id == id) return i;
  return 0;
}

// ---- Flags ------------------------------------------------------------------

bool BookmarkList::TestFlags(uint16_t index, uint16_t mask) const {
  if (!IsIndex(index)) return false;
  uint16_t lower = mask & kItemFlagBits, upper = mask & kLinkFlagBits;
  return (links_[Target(index)].flags & lower) == lower && (links_[index].flags & upper) == upper;
}

void BookmarkList::SetFlags(uint16_t index, uint16_t mask, int mode) {
  if (!IsIndex(index)) return;
  bool set = mode == 1 || (mode == 2 && !TestFlags(index, mask));
  uint16_t target = Target(index);
  uint16_t lower = mask & kItemFlagBits, upper = mask & kLinkFlagBits;
  auto apply = [set](uint16_t* flags, uint16_t bits) {
    uint16_t old = *flags;
    *flags = set ? static_cast<uint16_t>(old | bits) : static_cast<uint16_t>(old & ~bits);
    return static_cast<uint16_t>(old ^ *flags);
  };
  bool targetLine = lower && apply(&links_[target].flags, lower) != 0;
  bool ownLine = upper && (apply(&links_[index].flags, upper) & kPersistedFlagBits) != 0;
  if (targetLine) Reencode(target, true);
  if (ownLine && !(targetLine && target == index)) Reencode(index, true);
  if (currentValid_ && (current_.index == target || current_.viaIndex == index)) {
    current_.flags = static_cast<uint16_t>((links_[current_.index].flags & kItemFlagBits) |
                                           (links_[current_.viaIndex].flags & kLinkFlagBits));
  }
}

// ---- Records ------------------------------------------------------------

void BookmarkList::ApplyDerivedFlags(BookmarkItem* r) {
  uint16_t flags = r->flags;
  if (r->aliasId == 0 && r->index != kRootIndex) {
    flags = r->notes.empty() ? flags & ~kFlagHasNotes : flags | kFlagHasNotes;
    bool login = !r->login.empty() || !r->password.empty();
    flags = login ? flags | kFlagHasLogin : flags & ~kFlagHasLogin;
    if (r->level == kLevelBookmark && !(flags & kFlagSeparator)) flags |= kFlagBookmark;
  }
  r->dueTime = DueTimeFromWallClock(r->timeDueVisit);
  // The record's flag word is the links' flag word: keep them equal.
  constexpr uint16_t kDerived = kFlagHasNotes | kFlagHasLogin | kFlagBookmark;
  ItemLink& own = links_[r->index];
  own.flags = static_cast<uint16_t>((own.flags & ~kDerived) | (flags & kDerived));
  // An alias's own line has no visits: only a record with the bookmark's
  // fields decides the recently-visited flag.
  if (r->aliasId == 0) {
    int64_t period = static_cast<int64_t>(settings.recentPeriod) * 86400;
    int64_t since = static_cast<int64_t>(Now()) - static_cast<int64_t>(r->timeLastVisit);
    bool recent = period != 0 && r->timeLastVisit != 0 && since < period;
    flags = recent ? flags | kFlagRecentlyVisited : flags & ~kFlagRecentlyVisited;
    ItemLink& via = links_[r->viaIndex];
    via.flags =
        static_cast<uint16_t>((via.flags & ~kFlagRecentlyVisited) | (flags & kFlagRecentlyVisited));
  }
  r->flags = static_cast<uint16_t>(flags);
}

void BookmarkList::DecodeInto(uint16_t index, bool followAlias, BookmarkItem* out) {
  if (!IsIndex(index)) {
    out->Clear();
    out->index = out->viaIndex = index;
    return;
  }
  uint16_t item = followAlias ? Target(index) : index;
  DecodeLine(lines_.Get(item), true, out);
  out->index = item;
  out->viaIndex = index;
  out->flags = static_cast<uint16_t>((links_[item].flags & kItemFlagBits) |
                                     (links_[index].flags & kLinkFlagBits));
  ApplyDerivedFlags(out);
}

BookmarkItem& BookmarkList::Decode(uint16_t index, bool followAlias) {
  uint16_t item = followAlias ? Target(index) : index;
  if (currentValid_ && current_.index == item && current_.viaIndex == index &&
      current_.decoded == 2)
    return current_;
  EncodeCurrentIfChanged();
  DecodeInto(index, followAlias, &current_);
  currentValid_ = IsIndex(index);
  return current_;
}

void BookmarkList::EncodeCurrentIfChanged() {
  if (currentValid_ && current_.changed) Encode(current_);
}

int BookmarkList::Encode(BookmarkItem& r) {
  uint16_t item = r.index;
  if (!IsIndex(item) || r.decoded == 1) return -1;
  uint16_t via = IsIndex(r.viaIndex) ? r.viaIndex : item;
  r.title = CleanLineText(r.title);
  r.url = CleanLineText(r.url);
  r.notes = EncodeNoteText(r.notes);
  r.keywords = EncodeNoteText(r.keywords);
  r.login = TrimText(r.login);
  r.password = TrimText(r.password);
  ItemLink& link = links_[item];
  uint16_t flags = link.flags;
  if (r.aliasId == 0 && item != kRootIndex) {
    flags = r.notes.empty() ? flags & ~kFlagHasNotes : flags | kFlagHasNotes;
    bool login = !r.login.empty() || !r.password.empty();
    flags = login ? flags | kFlagHasLogin : flags & ~kFlagHasLogin;
  }
  if (item == kRootIndex) {
    flags &= kFlagKeepSorted | kRuntimeFlagBits;
    r.id = 0;
    r.level = kLevelRoot;
  }
  link.flags = flags;
  if (item != kRootIndex) link.level = r.level;
  r.flags = static_cast<uint16_t>(flags & kPersistedFlagBits);
  EncodeLine(r, &encodeBuffer_);
  r.flags = static_cast<uint16_t>((flags & kItemFlagBits) | (links_[via].flags & kLinkFlagBits));
  if (!StoreLine(item, encodeBuffer_)) return -4;
  modified = true;
  r.changed = 0;
  r.decoded = 2;
  if (&r != &current_) ForgetCurrent(item);
  return 0;
}

void BookmarkList::ForgetCurrent(uint16_t index) {
  if (!currentValid_ || current_.changed) return;
  if (current_.index == index || current_.viaIndex == index)
    DecodeInto(current_.viaIndex, current_.index != current_.viaIndex, &current_);
}

void BookmarkList::Reencode(uint16_t index, bool touch) {
  if (currentValid_ && current_.changed && current_.index == index) Encode(current_);
  BookmarkItem record;
  DecodeInto(index, false, &record);
  if (touch) record.timeModified = Now();
  Encode(record);
}

void BookmarkList::Touch(uint16_t index) { Reencode(index, true); }

// ---- Ring surgery -------------------------------------------------------

void BookmarkList::LinkBefore(uint16_t index, uint16_t before) {
  uint16_t prev = links_[before].prev;
  links_[index].prev = prev;
  links_[index].next = before;
  links_[prev].next = index;
  links_[before].prev = index;
}

void BookmarkList::Unlink(uint16_t index) {
  ItemLink& link = links_[index];
  links_[link.prev].next = link.next;
  links_[link.next].prev = link.prev;
  link.prev = link.next = 0;
}

void BookmarkList::MoveBlockBefore(uint16_t first, uint16_t before) {
  if (first == kRootIndex || !IsIndex(first) || !IsIndex(before) || first == before) return;
  uint16_t end = SubtreeEnd(first, false).index;
  if (before == end) return;  // already there
  for (uint16_t i = Next(first, false); i != end; i = Next(i, false))
    if (i == before) return;  // would move a block into itself
  uint16_t last = links_[end].prev;
  uint16_t prev = links_[first].prev;
  links_[prev].next = end;
  links_[end].prev = prev;
  uint16_t beforePrev = links_[before].prev;
  links_[beforePrev].next = first;
  links_[first].prev = beforePrev;
  links_[last].next = before;
  links_[before].prev = last;
  modified = true;
}

void BookmarkList::RemoveAlias(uint16_t index) {
  if (index == kRootIndex || !IsIndex(index) || !IsAlias(index) || IsDeleted(index)) return;
  uint16_t target = links_[index].aliasTarget;
  uint16_t parent = Parent(index);
  Unlink(index);
  links_[index].flags |= kFlagDeleted;
  bool another = false;
  for (uint16_t i = Next(0, true); i != 0 && !another; i = Next(i, true))
    another = links_[i].aliasTarget == target;
  if (!another && (links_[target].flags & kFlagHasAliases)) {
    links_[target].flags &= ~kFlagHasAliases;
    Reencode(target, false);
  }
  Touch(parent);
  modified = true;
}

void BookmarkList::RemoveFromRing(uint16_t index) {
  if (index == kRootIndex || !IsIndex(index)) return;
  EncodeCurrentIfChanged();
  if (links_[links_[index].prev].next == index) Unlink(index);
  links_[index].flags |= kFlagDeleted;
  currentValid_ = false;
  modified = true;
}

void BookmarkList::SetAliasTarget(uint16_t index, uint16_t target) {
  if (index == kRootIndex || !IsIndex(index) || !IsIndex(target)) return;
  EncodeCurrentIfChanged();
  links_[index].aliasTarget = target;
  // An alias keeps no item flags of its own (they are its target's); a
  // bookmark being turned into an alias drops those it had.
  if (target != 0) links_[index].flags &= static_cast<uint16_t>(~kItemFlagBits);
  currentValid_ = false;
}

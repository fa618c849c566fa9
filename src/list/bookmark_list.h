// One open bookmark list: a ring of item links through the root (index 0)
// in outline order, and beside it one stored text line per item. The line
// is the authoritative copy of an item; records are decoded from it on
// demand and encoded back into it after every change.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "list/change_flag.h"
#include "list/line_table.h"
#include "list/list_cipher.h"
#include "list/list_result.h"
#include "list/list_types.h"
#include "platform/platform.h"

// SubtreeEnd and PrevSibling: result 1 = a sibling, 0 = a lower level or
// the end of the ring, -1 = asked for the root.
struct SiblingResult {
  int result = 0;
  uint16_t index = 0;
};

struct ChildCounts {
  uint32_t children = 0;   // live direct children
  uint32_t bookmarks = 0;  // live level-2 descendants that are (or stand for) bookmarks
};

struct AncestorIndices {
  uint16_t category = 0;
  uint16_t subcategory = 0;
  uint16_t bookmark = 0;
};

class BookmarkList {
 public:
  BookmarkList();
  BookmarkList(const BookmarkList&) = delete;
  BookmarkList& operator=(const BookmarkList&) = delete;

  // ---- List-wide state -------------------------------------------------
  uint16_t itemCount = 0;          // highest item index in use
  uint32_t lastId = 0;             // highest ID handed out
  uint32_t bookmarkCount = 0;      // live bookmarks (aliases not counted)
  uint32_t encryptionOptions = 0;  // bit 0 site passwords, bit 1 whole list
  int keyState = 0;                // 0 no key, 1 password required, 2 given
  std::string salt;
  std::string checkValue;
  std::string password;
  std::unique_ptr<ListCipher> cipher;  // set by the encryption module

  std::string path;
  platform::File file;  // the list file while the list is open
  bool readOnly = true;
  ChangeFlag modified;  // changed since it was loaded or saved
  bool full = false;
  bool needsRepair = false;      // LoadLines found outline damage
  bool linesLeftUnread = false;  // LoadLines stopped at the limit before the end
  uint32_t lastSaveTime = 0;
  uint32_t lastError = 0;
  // Live bookmarks and containers as the list was last loaded or saved:
  // the yardstick of the guard before large deletions (deletion_guard.h).
  uint32_t liveItemsSaved = 0;

  std::array<uint16_t, kSmartFolderSlots> smartFolderIndex{};
  std::array<ListColumn, 3> columns;
  std::array<uint32_t, 3> markedCount{};
  uint16_t frequentThreshold = 0;  // admission threshold of Frequently visited
  bool dueScanActive = false;
  uint16_t dueScanPosition = 0;
  uint32_t nextDueScan = 0;

  ListSettingsView settings;
  // The clock the model reads; tests replace it.
  std::function<uint32_t()> clock = platform::Now;
  uint32_t Now() const { return clock(); }

  // Back to the empty state of a new object (tables hold only the root).
  void Reset();

  // ---- Tables ----------------------------------------------------------
  bool IsIndex(uint16_t index) const { return index <= itemCount; }
  const ItemLink& Link(uint16_t index) const { return links_[index]; }
  std::string_view Line(uint16_t index) const { return lines_.Get(index); }
  // Bytes held for the lines (live and stale text): enough for all lines.
  size_t LineBytes() const { return lines_.BufferBytes(); }
  int8_t Level(uint16_t index) const { return links_[index].level; }
  bool IsAlias(uint16_t index) const { return links_[index].aliasTarget != 0; }
  bool IsDeleted(uint16_t index) const { return (links_[index].flags & kFlagDeleted) != 0; }
  // Simulates memory running out beyond this many table entries (tests).
  void SetTableLimit(size_t entries) { tableLimit_ = entries; }

  // ---- Navigation (with skipDeleted, items with flag 0x800 are passed over)
  uint16_t Next(uint16_t index, bool skipDeleted) const;
  uint16_t Prev(uint16_t index, bool skipDeleted) const;
  SiblingResult SubtreeEnd(uint16_t index, bool skipDeleted) const;
  SiblingResult PrevSibling(uint16_t index, bool skipDeleted) const;
  uint16_t Parent(uint16_t index) const;
  AncestorIndices AncestorPath(uint16_t index) const;
  uint16_t Target(uint16_t index) const;
  // The live item with this ID in the outline, or 0.
  uint16_t FindById(uint32_t id) const;

  // ---- Flags -------------------------------------------------------------
  // True when every bit of mask is set; bits below 0x800 are tested on the
  // target of an alias.
  bool TestFlags(uint16_t index, uint16_t mask) const;
  // mode 0 clear, 1 set, 2 toggle (by the current state of mask). A change
  // of bits 0-11 re-encodes the line and sets TimeModified to now.
  void SetFlags(uint16_t index, uint16_t mask, int mode);

  // ---- Records -----------------------------------------------------------
  // Decodes into the cached current record and returns it; the cache is
  // reused when it already holds that item. Following an alias gives the
  // target's record with viaIndex the alias. A changed current record is
  // encoded before the cache moves to another item.
  BookmarkItem& Decode(uint16_t index, bool followAlias);
  // Decodes into a caller's record, leaving the cache alone.
  void DecodeInto(uint16_t index, bool followAlias, BookmarkItem* out);
  // Writes the record into the line of record.index and marks the list
  // modified. Flags are the links' (change them with SetFlags), except that
  // 0x80 and 0x400 follow Notes, Login and Password. Returns 0, -1 for a
  // bad or partly decoded record, -4 when memory runs out.
  int Encode(BookmarkItem& record);
  void EncodeCurrentIfChanged();
  BookmarkItem& ScratchRecord() { return scratch_; }

  // Adds an item directly before afterIndex (the root = at the end of the
  // outline) and returns its index, or 0 when the tables cannot grow or the
  // list is full. Notes are stored encoded; the item gets the next ID.
  uint16_t AddItem(uint16_t afterIndex, const BookmarkItem& record, uint16_t aliasTarget);
  // AddItem for a caller that already knows the new item's parent (what
  // Parent() would return for it), as the importers do while appending at
  // the end: skips the backward walk over the parent's other children,
  // which makes filling a wide folder quadratic.
  uint16_t AddItemWithParent(uint16_t afterIndex, const BookmarkItem& record, uint16_t aliasTarget,
                             uint16_t parent);
  // Room for this many more bytes of line text, so that a caller about to
  // add many items (an import) does not have the text buffer regrow and
  // copy itself over and over. False when memory runs out (nothing lost).
  bool ReserveLineText(size_t bytes) { return lines_.Buffer().Reserve(bytes); }
  // The same for the tables of this many more items (as many as a list
  // can hold at most), so that they are made once at their size.
  bool ReserveItems(size_t count);
  // A level-2 alias of targetIndex placed like AddItem.
  uint16_t AddAlias(uint16_t afterIndex, uint16_t targetIndex, uint32_t targetId);
  ChildCounts CountChildren(uint16_t index) const;

  // Fills column level with the live children of the item selected in the
  // column above (the categories for level 0) and selects selectIndex in
  // it. A SmartFolder's maintenance rule runs first.
  void FillColumn(int level, uint16_t selectIndex);
  // Fills the columns along the path of the live item with this ID.
  bool SelectById(uint32_t id);

  // ---- Primitives for the file and the editing operations ----------------
  // Takes the block [first, SubtreeEnd) out of the ring and puts it directly
  // before `before` (which must not lie inside the block).
  void MoveBlockBefore(uint16_t first, uint16_t before);
  // Removes an alias from the ring (flag 0x800 marks it gone); its target
  // loses flag 0x40 when no other live alias of it remains.
  void RemoveAlias(uint16_t index);
  // Sets an item's TimeModified to now, re-encoding its line.
  void Touch(uint16_t index);
  // Takes a single item out of the ring for good (flag 0x800 marks it
  // gone); its children, if any, stay where they are.
  void RemoveFromRing(uint16_t index);
  // Points an item's link at another target (0 = a real item again). The
  // caller re-encodes the line to match.
  void SetAliasTarget(uint16_t index, uint16_t target);

 private:
  friend class ListLoader;  // fills the tables directly while loading

  uint16_t AddItemTouching(uint16_t afterIndex, const BookmarkItem& record, uint16_t aliasTarget,
                           bool parentKnown, uint16_t parent);
  bool GrowTables(size_t entries);
  bool StoreLine(uint16_t index, std::string_view text);
  // Re-encodes an item's line from the links, optionally with a new time.
  void Reencode(uint16_t index, bool touch);
  void ApplyDerivedFlags(BookmarkItem* record);
  void LinkBefore(uint16_t index, uint16_t before);
  void Unlink(uint16_t index);
  void ForgetCurrent(uint16_t index);

  platform::LargeTable<ItemLink> links_;  // large for a large list (platform.h)
  LineTable lines_;
  size_t tableLimit_ = static_cast<size_t>(-1);
  BookmarkItem current_;
  bool currentValid_ = false;
  BookmarkItem scratch_;
  std::string encodeBuffer_;
};

// What every importer shares: appending items at the end of the open list
// and the filler containers titled "Uncategorized" that hold links which sit
// outside a category or directly in one.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "list/bookmark_list.h"

// Importers return 0 on success and -1 on failure; items appended before a
// failure stay in the list.
constexpr int kImportOk = 0;
constexpr int kImportFailed = -1;

constexpr char kFillerTitle[] = "Uncategorized";
constexpr char kCorruptedTitle[] = "(Corrupted)";
constexpr size_t kMaxImportedTitle = 256;

class ImportAppender {
 public:
  explicit ImportAppender(BookmarkList& list);

  BookmarkList& List() { return list_; }
  bool Full() const { return list_.full; }

  // Appends at the end of the outline; the index, or 0 when the list
  // refused the item (full, or out of memory). Where the item would have no
  // live container one level up (after a separator, or below a level that
  // was skipped), "Uncategorized" fillers are appended first.
  uint16_t Append(const BookmarkItem& item);
  // Appends the filler container at this level.
  uint16_t AppendFiller(int level);
  // Appends the fillers an item of this level needs to follow now (none
  // when the last items can hold it); false when the list refused one.
  bool MakeRoomFor(int level);
  // The last filler appended by MakeRoomFor (0: none yet).
  uint16_t LastFiller() const { return lastFiller_; }
  // Before a link: fillers while *currentLevel < 1, each at the raised
  // level. A level below -1 (more lists closed than opened) counts as -1,
  // so a filler never lands outside the outline.
  void FillBeforeLink(int* currentLevel);
  // The parent an item of this level gets when appended now.
  uint16_t ParentFor(int level) const;

 private:
  bool CanHold(int level) const;
  uint16_t AppendAt(const BookmarkItem& item);

  BookmarkList& list_;
  // By level: the item an appended item of that level belongs to (the
  // nearest earlier item of a lower level), kept up to date while
  // appending so that no append has to search for it.
  uint16_t parentOf_[3] = {0, 0, 0};
  uint16_t lastFiller_ = 0;
};

// A fresh working item of each kind.
BookmarkItem NewLink(uint8_t rating);
BookmarkItem NewSeparator(int level);
BookmarkItem NewContainer(int level, std::string title);

// Text for the item's fields: a title cut to kMaxImportedTitle bytes (never
// inside a double-byte character), and notes or keywords trimmed at both
// ends (the list stores them escaped).
std::string CutTitle(std::string title);
std::string TrimmedNote(std::string_view text);

// Unsigned decimal as the importers read dates and counts: leading blanks
// skipped, reading stops at the first non-digit, saturating at 0xFFFFFFFF.
uint32_t ReadDecimal(std::string_view text);

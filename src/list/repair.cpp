#include "list/repair.h"

#include <algorithm>

#include "list/backups.h"
#include "list/item_codec.h"
#include "list/list_paths.h"
#include "platform/platform.h"

namespace {

class OutlineRepair {
 public:
  explicit OutlineRepair(BookmarkList& list) : list_(list) {}

  void Run() {
    list_.EncodeCurrentIfChanged();
    for (uint16_t i = list_.Next(kRootIndex, false); i != kRootIndex; i = list_.Next(i, false)) {
      Mend(i);
      prev_ = i;
      prevLevel_ = list_.Level(i);
      prevSeparator_ = (list_.Link(i).flags & kFlagSeparator) != 0;
    }
    list_.needsRepair = false;
    list_.FillColumn(0, 0);
    list_.modified = true;
  }

 private:
  void Mend(uint16_t i) {
    bool deleted = list_.IsDeleted(i);
    // Levels are brought into range first: an item "deeper" than the
    // bookmark level is a bookmark, and needs no filler above it.
    int level = std::clamp(static_cast<int>(list_.Level(i)), 0, 2);
    if (level > prevLevel_ && prevSeparator_) {
      uint16_t filler = InsertFiller(i, prevLevel_, deleted);
      if (filler != 0) Became(filler);
    }
    if (level > prevLevel_ && prev_ != kRootIndex) lastAt_[prevLevel_] = prev_;
    FixRecord(i, level);
    while (level > prevLevel_ + 1) {
      uint16_t filler = InsertFiller(i, prevLevel_ + 1, deleted);
      if (filler == 0) break;
      Became(filler);
      lastAt_[prevLevel_] = filler;
    }
    if (!deleted && level > 0 && lastAt_[level - 1] != 0 && list_.IsDeleted(lastAt_[level - 1]))
      for (int up = 0; up < level; ++up)
        if (lastAt_[up] != 0) list_.SetFlags(lastAt_[up], kFlagDeleted, 0);
  }

  // The item's ID and level; a level-2 item that is no separator or alias
  // is a bookmark.
  void FixRecord(uint16_t i, int level) {
    bool noId = DecodeHead(list_.Line(i)).id == 0;
    if (noId || level != list_.Level(i)) {
      BookmarkItem record;
      list_.DecodeInto(i, false, &record);
      if (record.id == 0) record.id = ++list_.lastId;
      record.level = static_cast<int8_t>(level);
      list_.Encode(record);
    }
    bool bookmark = level == kLevelBookmark && !list_.IsAlias(i) &&
                    !(list_.Link(i).flags & (kFlagSeparator | kFlagBookmark));
    if (bookmark) {
      list_.SetFlags(i, kFlagBookmark, 1);
      if (!list_.IsDeleted(i)) ++list_.bookmarkCount;
    }
  }

  uint16_t InsertFiller(uint16_t before, int level, bool deleted) {
    BookmarkItem filler;
    filler.level = static_cast<int8_t>(level);
    filler.title = kFillerTitle;
    // Fillers stand above the item, so they are categories or
    // subcategories; under a deleted item they are deleted too.
    if (deleted) filler.flags = kFlagDeleted;
    return list_.AddItem(before, filler, 0);
  }

  void Became(uint16_t filler) {
    prev_ = filler;
    prevLevel_ = list_.Level(filler);
    prevSeparator_ = false;
  }

  BookmarkList& list_;
  uint16_t prev_ = kRootIndex;
  int prevLevel_ = -1;
  bool prevSeparator_ = false;
  uint16_t lastAt_[3] = {0, 0, 0};
};

}  // namespace

void RepairOutline(BookmarkList& list) { OutlineRepair(list).Run(); }

std::string Repair(BookmarkList& list) {
  std::string copy = CorruptedCopyPath(list.path, list.Now());
  bool copied = CopyFileStamped(list.path, copy, list.Now()) == platform::kErrorNone;
  RepairOutline(list);
  return copied ? copy : std::string();
}

// Loading the item lines of a list file (LoadLines).
#include <algorithm>
#include <cstring>
#include <new>
#include <utility>
#include <vector>

#include "list/bookmark_list.h"
#include "list/deletion_guard.h"
#include "list/item_codec.h"
#include "list/list_file.h"

namespace {

constexpr size_t kChunk = size_t{1} << 20;
constexpr int64_t kMaxReserve = int64_t{1} << 30;

// Reads a file chunk by chunk into a buffer and hands out its lines by
// position; a line feed ends a line and is not part of it, the last line
// may lack one. Nothing is read past the line asked for.
class ChunkedLines {
 public:
  ChunkedLines(platform::File& file, ByteArena& buffer) : file_(file), buffer_(buffer) {}

  bool Next(size_t* offset, size_t* length) {
    for (;;) {
      const char* base = buffer_.Data();
      const void* lf = searched_ < buffer_.Size()
                           ? std::memchr(base + searched_, '\n', buffer_.Size() - searched_)
                           : nullptr;
      if (lf) {
        size_t end = static_cast<size_t>(static_cast<const char*>(lf) - base);
        Hand(end, end + 1, offset, length);
        return true;
      }
      searched_ = buffer_.Size();
      if (Fill()) continue;
      if (pos_ == buffer_.Size()) return false;
      Hand(buffer_.Size(), buffer_.Size(), offset, length);
      return true;
    }
  }
  // True when a byte follows the lines handed out so far.
  bool MoreBytes() { return pos_ < buffer_.Size() || (Fill() && pos_ < buffer_.Size()); }
  bool Failed() const { return failed_; }

 private:
  void Hand(size_t end, size_t next, size_t* offset, size_t* length) {
    *offset = pos_;
    *length = end - pos_;
    pos_ = searched_ = next;
  }
  bool Fill() {
    if (eof_) return false;
    if (!buffer_.Reserve(kChunk)) throw std::bad_alloc();  // LoadLines reports it
    long n = file_.Read(buffer_.Tail(), kChunk);
    if (n > 0) buffer_.Commit(static_cast<size_t>(n));
    if (n <= 0) {
      eof_ = true;
      failed_ = n < 0;
      return false;
    }
    return true;
  }

  platform::File& file_;
  ByteArena& buffer_;
  size_t pos_ = 0;
  size_t searched_ = 0;
  bool eof_ = false;
  bool failed_ = false;
};

}  // namespace

class ListLoader {
 public:
  explicit ListLoader(BookmarkList& list) : list_(list) {}

  ListResult Run(uint32_t selectId) {
    ListResult result;
    try {
      result = ReadLines();
    } catch (const std::bad_alloc&) {
      result = ListResult::OutOfMemory;
    }
    try {
      Finish(selectId);
    } catch (const std::bad_alloc&) {
      result = ListResult::OutOfMemory;
    }
    return result;
  }

 private:
  void ClearTables() {
    BookmarkList& l = list_;
    l.links_.clear();
    l.lines_.Clear();
    l.currentValid_ = false;
    l.itemCount = 0;
    l.bookmarkCount = 0;
    l.full = l.needsRepair = l.linesLeftUnread = false;
    l.smartFolderIndex.fill(0);
    for (ListColumn& c : l.columns) c = ListColumn();
    l.markedCount.fill(0);
    l.GrowTables(1);
    l.links_.push_back(ItemLink());
  }

  ListResult ReadLines() {
    BookmarkList& l = list_;
    ClearTables();
    if (!l.file.IsOpen()) return ListResult::CannotOpen;
    encrypted_ = (l.encryptionOptions & 2) != 0;
    if (!l.lines_.Push("")) return ListResult::OutOfMemory;  // the root's, set at the end
    if (encrypted_ && (!l.cipher || !l.cipher->SetKey(l.password))) return ListResult::Damaged;
    if (!l.file.Seek(0)) return ReadFailure();
    ByteArena raw;
    ByteArena& buffer = encrypted_ ? raw : l.lines_.Buffer();
    int64_t size = l.file.Size();
    // Room for the whole file and one more chunk, so reading never moves it.
    if (size > 0) buffer.Reserve(static_cast<size_t>(std::min(size, kMaxReserve)) + kChunk);
    ChunkedLines lines(l.file, buffer);
    size_t offset, length;
    for (int skip = 0; skip < 2 && lines.Next(&offset, &length); ++skip)
      l.lines_.AddStale(length + 1);
    std::string plain;
    while (lines.Next(&offset, &length)) {
      std::string_view text = TrimTrailingSpace(std::string_view(buffer.Data() + offset, length));
      if (encrypted_) {
        if (!l.cipher->DecipherLine(text, &plain)) return ListResult::Damaged;
        text = TrimTrailingSpace(plain);
      } else {
        l.lines_.AddStale(length - text.size() + 1);
      }
      if (!AddLine(text, offset)) return ListResult::OutOfMemory;
      if (uint32_t{l.itemCount} + 1 >= kFullIndex) {
        l.full = true;
        l.linesLeftUnread = lines.MoreBytes();
        return ListResult::Full;
      }
    }
    if (lines.Failed()) return ReadFailure();
    return l.needsRepair ? ListResult::NeedsRepair : ListResult::ReadWrite;
  }

  ListResult ReadFailure() {
    list_.lastError = list_.file.LastError();
    return ListResult::CannotOpen;
  }

  // One item line (the root line when it comes first with ID 0).
  bool AddLine(std::string_view text, size_t offset) {
    BookmarkList& l = list_;
    LineHead head = DecodeHead(text);
    bool first = !sawItemLine_;
    sawItemLine_ = true;
    if (first && head.id == 0) {
      rootFlags_ = head.flags & kFlagKeepSorted;
      rootTime_ = head.timeModified;
      return true;
    }
    uint16_t index = static_cast<uint16_t>(l.itemCount + 1);
    if (!l.GrowTables(size_t{index} + 1)) return false;
    bool stored = encrypted_ ? l.lines_.Push(text) : l.lines_.PushInBuffer(offset, text.size());
    if (!stored) return false;
    uint16_t flags = Check(head, head.id == 0);
    ItemLink link;
    link.prev = static_cast<uint16_t>(index - 1);
    link.level = head.level;
    link.flags = flags;
    l.links_.push_back(link);
    l.links_[index - 1].next = index;
    l.itemCount = index;
    maxId_ = std::max(maxId_, head.id);
    if (head.aliasId != 0) aliases_.emplace_back(index, head.aliasId);
    if ((flags & kFlagHasAliases) && head.aliasId == 0) targets_.emplace_back(head.id, index);
    bool live = !(flags & kFlagDeleted);
    if (live && (flags & kFlagBookmark) && head.aliasId == 0) ++l.bookmarkCount;
    return true;
  }

  // Records damage for the repair, settles the flags the link gets and
  // lets the first item of each SmartFolder type claim it.
  uint16_t Check(const LineHead& head, bool idZero) {
    BookmarkList& l = list_;
    int level = head.level;
    bool live = !(head.flags & kFlagDeleted);
    bool inRange = level >= 0 && level <= 2;
    if (idZero || !inRange || level > prevLevel_ + 1 || (prevSeparator_ && level > prevLevel_) ||
        (live && level >= 1 && inRange && parentDeleted_[level - 1]))
      l.needsRepair = true;
    prevLevel_ = level;
    prevSeparator_ = (head.flags & kFlagSeparator) != 0;
    if (inRange) parentDeleted_[level] = !live;

    uint16_t flags = head.flags;
    if (level == kLevelBookmark && !(flags & kFlagSeparator) && head.aliasId == 0)
      flags |= kFlagBookmark;
    if (flags & kFlagSmartFolder) {
      int type = flags & kFlagSmartType;
      // Only a plain category (type 0) or subcategory (types 1-5) can be one.
      bool fits =
          head.aliasId == 0 && (type == 0 ? level == kLevelCategory
                                          : type < kSmartFolderSlots && level == kLevelSubcategory);
      if (fits && l.smartFolderIndex[type] == 0) {
        l.smartFolderIndex[type] = static_cast<uint16_t>(l.itemCount + 1);
      } else {
        flags &= ~(kFlagSmartFolder | kFlagSmartType);
      }
    }
    return flags;
  }

  void Finish(uint32_t selectId) {
    BookmarkList& l = list_;
    if (l.links_.empty()) l.links_.push_back(ItemLink());
    if (l.lines_.Count() == 0) l.lines_.Push("");
    ItemLink& root = l.links_[0];
    root.level = kLevelRoot;
    root.flags = rootFlags_;
    root.aliasTarget = 0;
    BookmarkItem record;
    record.flags = rootFlags_;
    record.timeModified = rootTime_;
    std::string line;
    EncodeLine(record, &line);
    l.lines_.Set(0, line);
    l.links_[l.itemCount].next = 0;
    root.prev = l.itemCount;
    root.next = l.itemCount != 0 ? 1 : 0;
    ResolveAliases();
    l.lastId = std::max(l.lastId, maxId_);
    l.FillColumn(0, 0);
    if (!l.needsRepair && selectId != 0) l.SelectById(selectId);
    l.lastSaveTime = l.Now();
    l.modified = false;
  }

  // An alias stands for the item with its AliasID among the items that
  // carry flag 0x40; one whose target is missing is dropped silently.
  void ResolveAliases() {
    BookmarkList& l = list_;
    std::stable_sort(targets_.begin(), targets_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [index, aliasId] : aliases_) {
      auto it = std::lower_bound(targets_.begin(), targets_.end(), aliasId,
                                 [](const auto& t, uint32_t id) { return t.first < id; });
      if (it != targets_.end() && it->first == aliasId) {
        l.links_[index].aliasTarget = it->second;
      } else {
        l.Unlink(index);
        l.links_[index].flags |= kFlagDeleted;
      }
    }
  }

  BookmarkList& list_;
  bool encrypted_ = false;
  bool sawItemLine_ = false;
  uint16_t rootFlags_ = 0;
  uint32_t rootTime_ = 0;
  uint32_t maxId_ = 0;
  int prevLevel_ = kLevelRoot;
  bool prevSeparator_ = false;
  bool parentDeleted_[3] = {false, false, false};
  std::vector<std::pair<uint16_t, uint32_t>> aliases_;  // (index, AliasID)
  std::vector<std::pair<uint32_t, uint16_t>> targets_;  // (ID, index)
};

ListResult LoadLines(BookmarkList& list, uint32_t selectId) {
  ListResult result = ListLoader(list).Run(selectId);
  list.liveItemsSaved = CountLiveItems(list);
  return result;
}

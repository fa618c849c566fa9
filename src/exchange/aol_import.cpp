// The walk relies on the order of the cabinet's entry list: a folder's
// entries are contiguous and follow the folder, and keys grow with depth.
// A link pass starts where the key rises and runs until it falls below the
// starting key; the folder pass then walks the same entries. Links of the
// key are reached by a chain of same-key entries, so a pass never re-reads
// the deeper groups it spans, whatever order a damaged cabinet has.
#include "exchange/aol_import.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "exchange/import_file.h"
#include "exchange/import_outline.h"

namespace {

constexpr char kMagic[] = "AOLVM100";
constexpr uint32_t kIndexMarker = 0x00015352;
constexpr size_t kEntryListOffset = 24;
constexpr size_t kTypeOffset = 8;
constexpr size_t kTitleOffset = 26;
constexpr size_t kKeyOffset = 126;
constexpr uint16_t kLinkType = 2;
constexpr size_t kNone = static_cast<size_t>(-1);
constexpr int kRememberedDepths = 3;

struct CabinetEntry {
  bool link = false;
  uint32_t key = 0;
  std::string title, url;
};

class CabinetReader {
 public:
  explicit CabinetReader(std::string_view bytes) : bytes_(bytes) {}

  // Offsets come from the file: anything at or past its end is refused
  // before any arithmetic on it.
  bool Inside(size_t offset) const { return offset < bytes_.size(); }
  bool Has(size_t offset, size_t length) const {
    return offset <= bytes_.size() && bytes_.size() - offset >= length;
  }
  uint32_t U32(size_t offset) const {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data() + offset);
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
  }
  uint16_t U16(size_t offset) const {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes_.data() + offset);
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
  }
  bool IsSystemRecord(size_t record) const {
    return Has(record + kTypeOffset, 3) && bytes_.compare(record + kTypeOffset, 3, "AOL") == 0;
  }
  // Zero-terminated text from offset, never beyond limit or the file.
  std::string Text(size_t offset, size_t limit) const {
    if (offset >= bytes_.size()) return {};
    limit = std::min(limit, bytes_.size());
    const void* nul = std::memchr(bytes_.data() + offset, '\0', limit - offset);
    size_t end = nul ? static_cast<size_t>(static_cast<const char*>(nul) - bytes_.data()) : limit;
    return std::string(bytes_.substr(offset, end - offset));
  }
  // The address of an address record: its length is the signed byte just
  // before it.
  std::string Address(size_t record) const {
    if (!Inside(record)) return {};
    size_t at = record + (IsSystemRecord(record) ? 40 : 8);
    if (!Has(at - 4, 1)) return {};
    int length = static_cast<signed char>(bytes_[at - 4]);
    if (length <= 0 || at >= bytes_.size()) return {};
    size_t n = std::min(static_cast<size_t>(length), bytes_.size() - at);
    return std::string(bytes_.substr(at, n));
  }

 private:
  std::string_view bytes_;
};

// The entry offsets from the index, up to the end of the file or a 0.
std::vector<size_t> EntryOffsets(const CabinetReader& file, size_t index) {
  std::vector<size_t> offsets;
  for (size_t at = index + kEntryListOffset; file.Has(at, 4); at += 4) {
    uint32_t offset = file.U32(at);
    if (offset == 0) break;
    offsets.push_back(offset);
  }
  return offsets;
}

// The entries in list order: a link takes its own offset and that of its
// address record; system records are stepped over. A record that does not
// fit in the file ends the list.
std::vector<CabinetEntry> ReadEntries(const CabinetReader& file,
                                      const std::vector<size_t>& offsets) {
  std::vector<CabinetEntry> entries;
  for (size_t i = 0; i < offsets.size(); ++i) {
    size_t record = offsets[i];
    if (!file.Inside(record)) break;
    if (file.IsSystemRecord(record)) continue;
    if (!file.Has(record + kKeyOffset, 4)) break;
    CabinetEntry entry;
    entry.link = file.U16(record + kTypeOffset) == kLinkType;
    entry.key = file.U32(record + kKeyOffset);
    entry.title = file.Text(record + kTitleOffset, record + kKeyOffset);
    if (entry.link && ++i < offsets.size()) entry.url = file.Address(offsets[i]);
    entries.push_back(std::move(entry));
  }
  return entries;
}

class CabinetWalk {
 public:
  CabinetWalk(BookmarkList& list, std::vector<CabinetEntry> entries, uint8_t rating)
      : out_(list), entries_(std::move(entries)), rating_(rating) {
    Chain();
  }

  void Run() {
    if (entries_.empty()) return;
    Remember(entries_[0].key, 0);
    LinkPass(0);
    uint32_t key = entries_[0].key;
    for (size_t i = 0; i < entries_.size() && !out_.Full(); ++i) {
      uint32_t current = entries_[i].key;
      if (current > key) {
        Remember(current, ++depth_);
        key = current;
        LinkPass(i);  // then back to this entry for its folders
      } else if (current < key) {
        depth_ = RememberedDepth(current);
        key = current;
      }
      if (!entries_[i].link) AppendFolder(entries_[i]);
    }
  }

 private:
  // nextSame_[i]: the next entry with entry i's key; fall_[i]: the first
  // later entry with a smaller key (where a link pass from i ends).
  void Chain() {
    size_t n = entries_.size();
    nextSame_.assign(n, kNone);
    fall_.assign(n, n);
    std::unordered_map<uint32_t, size_t> later;
    std::vector<size_t> rising;  // entries whose fall is not yet found
    for (size_t i = n; i-- > 0;) {
      auto it = later.find(entries_[i].key);
      if (it != later.end()) nextSame_[i] = it->second;
      later[entries_[i].key] = i;
    }
    for (size_t i = 0; i < n; ++i) {
      while (!rising.empty() && entries_[rising.back()].key > entries_[i].key) {
        fall_[rising.back()] = i;
        rising.pop_back();
      }
      rising.push_back(i);
    }
  }

  void LinkPass(size_t start) {
    for (size_t j = start; j != kNone && j < fall_[start] && !out_.Full(); j = nextSame_[j]) {
      if (!entries_[j].link) continue;
      BookmarkItem item = NewLink(rating_);
      item.title = entries_[j].title;
      item.url = entries_[j].url;
      out_.FillBeforeLink(&currentLevel_);
      out_.Append(item);
    }
  }

  void AppendFolder(const CabinetEntry& entry) {
    currentLevel_ = depth_ >= 2 ? 1 : depth_;
    out_.Append(NewContainer(currentLevel_, entry.title));
  }

  void Remember(uint32_t key, int depth) {
    if (depth < kRememberedDepths) remembered_[depth] = {true, key};
  }
  int RememberedDepth(uint32_t key) const {
    for (int d = 0; d < kRememberedDepths; ++d)
      if (remembered_[d].set && remembered_[d].key == key) return d;
    return kRememberedDepths;
  }

  struct Slot {
    bool set = false;
    uint32_t key = 0;
  };

  ImportAppender out_;
  std::vector<CabinetEntry> entries_;
  std::vector<size_t> nextSame_, fall_;
  uint8_t rating_;
  int depth_ = 0, currentLevel_ = -1;
  Slot remembered_[kRememberedDepths];
};

}  // namespace

int ImportAolBytes(BookmarkList& list, std::string_view bytes, uint8_t rating) {
  CabinetReader file(bytes);
  if (!file.Has(0, 20) || bytes.compare(0, 8, kMagic) != 0) return kImportFailed;
  size_t index = file.U32(16);
  if (!file.Has(index, 4) || file.U32(index) != kIndexMarker) return kImportFailed;
  CabinetWalk walk(list, ReadEntries(file, EntryOffsets(file, index)), rating);
  walk.Run();
  return kImportOk;
}

int ImportAolCabinet(BookmarkList& list, const std::string& path, uint8_t rating) {
  return ImportFromFile(list, path, rating, ImportFileText::kBytes, ImportAolBytes);
}

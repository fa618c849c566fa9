// Aliases are placed once the whole file is read, since an alias line may
// come before the bookmark that carries its number. Each is put where its
// line stood: directly after the item appended before it.
#include "exchange/earlier_list_import.h"

#include <exception>
#include <unordered_map>
#include <vector>

#include "exchange/import_file.h"
#include "exchange/import_outline.h"
#include "list/item_codec.h"

namespace {

constexpr char kTagByte = '\xA6';
constexpr size_t kNone = static_cast<size_t>(-1);

struct PendingAlias {
  uint16_t after;  // the item appended before the alias line (0: none yet)
  uint32_t number;
};

// The value of the tagged field "TAB 0xA6 tag" up to the next TAB.
bool TaggedField(std::string_view line, char tag, std::string_view* value) {
  for (size_t at = line.find('\t'); at != kNone; at = line.find('\t', at + 1)) {
    if (at + 2 < line.size() && line[at + 1] == kTagByte && line[at + 2] == tag) {
      size_t start = at + 3;
      size_t end = line.find('\t', start);
      *value = line.substr(start, end == kNone ? kNone : end - start);
      return true;
    }
  }
  return false;
}

class EarlierWalk {
 public:
  EarlierWalk(BookmarkList& list, uint8_t rating) : out_(list), rating_(rating) {}

  void Line(std::string_view raw) {
    std::string_view line = TrimView(raw);
    if (!started_) {
      if (line.compare(0, 3, "<1>") != 0) return;
      started_ = true;
    }
    int level = kLevelBookmark;
    if (line.size() >= 3 && line[0] == '<' && line[2] == '>' && line[1] >= '0' && line[1] <= '9') {
      // Only three levels exist: a marker beyond them is held to the nearest.
      level = std::min(std::max(line[1] - '1', 0), 2);
      line.remove_prefix(3);
    }
    for (int filler = lastLevel_ + 1; filler < level; ++filler) {
      uint16_t index = out_.AppendFiller(filler);
      if (index != 0) lastAppended_ = index;
    }
    lastLevel_ = level;
    if (line.empty() || line.compare(0, 3, "---") == 0) {
      Append(NewSeparator(level));
    } else if (level == kLevelBookmark && line.compare(0, 6, "alias:") == 0) {
      // The alias is placed later, but where it will stand must already be
      // able to hold a bookmark (not directly after a separator).
      uint16_t filler = out_.LastFiller();
      out_.MakeRoomFor(kLevelBookmark);
      if (out_.LastFiller() != filler) lastAppended_ = out_.LastFiller();
      aliases_.push_back({lastAppended_, ReadDecimal(line.substr(6))});
    } else if (level < kLevelBookmark) {
      Append(NewContainer(level, std::string(line.substr(0, line.find('\t')))));
    } else {
      AppendBookmark(line);
    }
  }

  // Puts every alias after the item its line followed, or drops it.
  void PlaceAliases() {
    BookmarkList& list = out_.List();
    // Aliases whose lines followed one another go one after the other.
    uint16_t anchor = 0, lastPlaced = 0;
    for (const PendingAlias& alias : aliases_) {
      if (alias.after != anchor) {
        anchor = alias.after;
        lastPlaced = 0;
      }
      auto target = targets_.find(alias.number);
      if (target == targets_.end() || list.full) continue;
      uint16_t after = lastPlaced != 0 ? lastPlaced : anchor;
      uint16_t before = after == 0 ? list.Next(kRootIndex, false) : list.Next(after, false);
      BookmarkItem record;
      list.DecodeInto(target->second, false, &record);
      uint16_t placed = list.AddAlias(before, target->second, record.id);
      if (placed != 0) lastPlaced = placed;
    }
  }

  bool Full() const { return out_.Full(); }

 private:
  static std::string_view TrimView(std::string_view s) {
    while (!s.empty() && IsLineSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsLineSpace(s.back())) s.remove_suffix(1);
    return s;
  }

  void Append(const BookmarkItem& item) {
    uint16_t index = out_.Append(item);
    if (index != 0) lastAppended_ = index;
  }

  void AppendBookmark(std::string_view line) {
    BookmarkItem item = NewLink(rating_);
    size_t tab = line.find('\t');
    item.url = std::string(line.substr(0, tab));
    if (tab != kNone) {
      size_t next = line.find('\t', tab + 1);
      item.title = std::string(line.substr(tab + 1, next == kNone ? kNone : next - tab - 1));
    }
    std::string_view value;
    bool visited = TaggedField(line, '@', &value);
    if (visited) item.timeLastVisit = ReadDecimal(value);
    if (TaggedField(line, '+', &value)) item.notes = std::string(value);
    if (TaggedField(line, '?', &value)) {
      item.login = std::string(value);
      if (!item.login.empty()) item.flags |= kFlagHasLogin;
    }
    bool numbered = TaggedField(line, '#', &value);
    if (!visited && line.find(std::string{'\t', kTagByte}) == kNone && line.size() > 1 &&
        line[1] >= '0' && line[1] <= '9')
      item.timeLastVisit = ReadDecimal(line.substr(1));
    uint16_t index = out_.Append(item);
    if (index == 0) return;
    lastAppended_ = index;
    // The has-aliases flag comes with the first alias actually placed.
    if (numbered) targets_.emplace(ReadDecimal(value), index);
  }

  ImportAppender out_;
  uint8_t rating_;
  bool started_ = false;
  int lastLevel_ = -1;
  uint16_t lastAppended_ = 0;
  std::vector<PendingAlias> aliases_;
  std::unordered_map<uint32_t, uint16_t> targets_;  // number -> the first bookmark carrying it
};

}  // namespace

int ImportEarlierText(BookmarkList& list, std::string_view text, uint8_t rating) {
  try {
    EarlierWalk walk(list, rating);
    size_t start = 0;
    while (start < text.size() && !walk.Full()) {
      size_t end = text.find('\n', start);
      if (end == kNone) end = text.size();
      walk.Line(text.substr(start, end - start));
      start = end + 1;
    }
    walk.PlaceAliases();
  } catch (const std::exception&) {
    return kImportFailed;  // the working tables could not grow
  }
  return kImportOk;
}

int ImportEarlierList(BookmarkList& list, const std::string& path, uint8_t rating) {
  return ImportFromFile(list, path, rating, ImportFileText::kBytes, ImportEarlierText);
}

// The walk of the Netscape importer over XML tokens: "<favfolder...>",
// "</favfolder>" and whole "<favorite...</favorite>" elements, found from a
// tag index rather than by searching the rest of the text each time. A
// folder is appended when its link scan starts, so it still precedes its
// own favorites; its sub-folders follow them. Character references are
// decoded in each value, so an escaped "<" or quote stays in its title.
#include "exchange/msn_import.h"

#include <algorithm>
#include <cstring>
#include <ctime>
#include <exception>
#include <unordered_map>
#include <vector>

#include "exchange/import_file.h"
#include "exchange/import_outline.h"
#include "exchange/import_regex.h"
#include "exchange/import_text.h"
#include "platform/platform.h"

namespace {

constexpr size_t kNone = static_cast<size_t>(-1);

enum class FavToken { kFolderStart, kFolderEnd, kFavorite };

struct FavTokenAt {
  FavToken kind;
  size_t start, end;
};

// Where the pieces of the token pattern
//   "<favfolder.*?>|</favfolder>|<favorite.*?</favorite>"
// lie, so that the leftmost token from any position is a few lookups.
class FavoriteTags {
 public:
  explicit FavoriteTags(std::string_view text) : text_(text) {
    for (size_t i = 0; i < text.size();) {
      const void* hit = std::memchr(text.data() + i, '<', text.size() - i);
      if (!hit) break;
      size_t p = static_cast<size_t>(static_cast<const char*>(hit) - text.data());
      i = p + 1;
      if (Spells(p, "<favfolder"))
        folderOpen_.push_back(p);
      else if (Spells(p, "</favfolder>"))
        folderClose_.push_back(p);
      else if (Spells(p, "<favorite"))
        favoriteOpen_.push_back(p);
      else if (Spells(p, "</favorite>"))
        favoriteClose_.push_back(p);
    }
    const void* lastGt = nullptr;
    for (size_t i = text.size(); i-- > 0;)
      if (text[i] == '>') {
        lastGt = text.data() + i;
        break;
      }
    lastGt_ = lastGt ? static_cast<size_t>(static_cast<const char*>(lastGt) - text.data()) : kNone;
  }

  bool Next(size_t pos, FavTokenAt* token) const {
    size_t folder = First(folderOpen_, pos);
    if (folder != kNone && (lastGt_ == kNone || folder + 10 > lastGt_)) folder = kNone;
    size_t end = First(folderClose_, pos);
    size_t favorite = First(favoriteOpen_, pos);
    if (favorite != kNone && (favoriteClose_.empty() || favorite + 9 > favoriteClose_.back()))
      favorite = kNone;
    size_t first = std::min({folder, end, favorite});
    if (first == kNone) return false;
    token->start = first;
    if (first == folder) {
      token->kind = FavToken::kFolderStart;
      token->end = text_.find('>', first + 10) + 1;
    } else if (first == end) {
      token->kind = FavToken::kFolderEnd;
      token->end = first + 12;
    } else {
      token->kind = FavToken::kFavorite;
      token->end = First(favoriteClose_, first + 9) + 11;
    }
    return true;
  }

 private:
  bool Spells(size_t p, const char* word) const {
    size_t n = std::strlen(word);
    return FindNoCase(text_, p, p + n, word) == p;
  }
  static size_t First(const std::vector<size_t>& positions, size_t pos) {
    auto it = std::lower_bound(positions.begin(), positions.end(), pos);
    return it == positions.end() ? kNone : *it;
  }

  std::string_view text_;
  std::vector<size_t> folderOpen_, folderClose_, favoriteOpen_, favoriteClose_;
  size_t lastGt_ = kNone;
};

struct MsnPatterns {
  boost::regex folderTitle = ImportPattern("title=\"(.*?)\"");
  boost::regex title = ImportPattern("<title>(.*?)</title>");
  boost::regex href = ImportPattern("<href>(.*?)</href>");
  boost::regex created =
      ImportPattern("<created>([0-9]+)-([0-9]+)-([0-9]+)T([0-9]+):([0-9]+)</created>");
  boost::regex visited = ImportPattern("lv=\"([0-9]+)-([0-9]+)-([0-9]+)T([0-9]+):([0-9]+)\"");
  boost::regex visits = ImportPattern("vc=\"([0-9]+)\"");
};

uint32_t MatchTime(const ImportMatch& m) {
  return CalendarSeconds(Group(m, 1), Group(m, 2), Group(m, 3), Group(m, 4), Group(m, 5));
}

class MsnWalk {
 public:
  MsnWalk(BookmarkList& list, std::string_view text, uint8_t rating)
      : text_(text), tags_(text), out_(list), rating_(rating) {}

  void Run(size_t pos) {
    resume_ = pos;
    FavTokenAt token;
    while (true) {
      if (!tags_.Next(pos, &token)) {
        if (!linkMode_) break;
        pos = EndScan();  // the end of the text ends the scan
        continue;
      }
      pos = token.end;
      if (token.kind == FavToken::kFolderStart) {
        pos = OnFolderStart(token);
      } else if (token.kind == FavToken::kFolderEnd) {
        pos = OnFolderEnd(token.end, false);
      } else if (linkMode_ && depth_ == scanDepth_) {
        AddFavorite(text_.substr(token.start, token.end - token.start));
      }
    }
  }

 private:
  size_t OnFolderStart(const FavTokenAt& token) {
    ++depth_;
    bool selfClosing = token.end >= 2 && text_[token.end - 2] == '/';
    if (linkMode_ && !selfClosing) {
      auto known = closedAt_.find(token.start);
      if (known != closedAt_.end()) {  // adds nothing to this scan
        --depth_;
        return known->second;
      }
    }
    if (!selfClosing) OpenedBy(depth_) = token.start;
    if (!linkMode_) {
      resume_ = token.end;
      linkMode_ = true;
      scanDepth_ = depth_;
      currentLevel_ = depth_ > 1 ? 1 : depth_;
      ImportMatch m;
      std::string_view tag = text_.substr(token.start, token.end - token.start);
      std::string title = SearchIn(patterns_.folderTitle, tag, &m) ? DecodeHtmlEntities(Group(m, 1))
                                                                   : std::string(kCorruptedTitle);
      out_.Append(NewContainer(currentLevel_, title));
    }
    return selfClosing ? OnFolderEnd(token.end, true) : token.end;
  }

  // A folder's end; a self-closing start tag is its own end, with nothing
  // inside to walk again.
  size_t OnFolderEnd(size_t end, bool selfClosing) {
    if (depth_ < 0) return end;
    if (!selfClosing && OpenedBy(depth_) != kNone) closedAt_[OpenedBy(depth_)] = end;
    if (linkMode_ && depth_ == scanDepth_) {
      linkMode_ = false;
      scanDepth_ = -1;
      if (!selfClosing) return resume_;
    }
    OpenedBy(depth_) = kNone;
    --depth_;
    if (!linkMode_) currentLevel_ = depth_ > 1 ? 1 : std::max(currentLevel_ - 1, -1);
    return end;
  }

  size_t EndScan() {
    linkMode_ = false;
    depth_ = scanDepth_;  // folders left open at the end of the text
    scanDepth_ = -1;
    return resume_;
  }

  void AddFavorite(std::string_view element) {
    BookmarkItem item = NewLink(rating_);
    ImportMatch m;
    item.title = SearchIn(patterns_.title, element, &m) ? DecodeHtmlEntities(Group(m, 1))
                                                        : std::string(kCorruptedTitle);
    if (SearchIn(patterns_.href, element, &m)) item.url = DecodeHtmlEntities(Group(m, 1));
    if (SearchIn(patterns_.created, element, &m)) item.timeAdded = MatchTime(m);
    if (SearchIn(patterns_.visited, element, &m)) item.timeLastVisit = MatchTime(m);
    if (SearchIn(patterns_.visits, element, &m)) {
      uint32_t visits = ReadDecimal(Group(m, 1));
      item.visits = static_cast<uint16_t>(std::min<uint32_t>(visits, 0xFFFF));
    }
    out_.FillBeforeLink(&currentLevel_);
    out_.Append(item);
  }

  size_t& OpenedBy(int depth) {
    size_t d = static_cast<size_t>(depth);
    if (openedBy_.size() <= d) openedBy_.resize(d + 1, kNone);
    return openedBy_[d];
  }

  std::string_view text_;
  FavoriteTags tags_;
  MsnPatterns patterns_;
  ImportAppender out_;
  uint8_t rating_;
  int depth_ = -1, currentLevel_ = -1, scanDepth_ = -1;
  bool linkMode_ = true;  // the first scan collects the favorites outside every folder
  size_t resume_ = 0;
  std::vector<size_t> openedBy_;                 // by depth: the folder's start tag
  std::unordered_map<size_t, size_t> closedAt_;  // start tag -> the end after its end tag
};

}  // namespace

uint32_t CalendarSeconds(std::string_view year, std::string_view month, std::string_view day,
                         std::string_view hour, std::string_view minute) {
  uint32_t y = ReadDecimal(year), mo = ReadDecimal(month), d = ReadDecimal(day),
           h = ReadDecimal(hour), mi = ReadDecimal(minute);
  if (y < 1900 || y > 2200 || mo < 1 || mo > 12 || d < 1 || d > 31 || h > 23 || mi > 59) return 0;
  std::tm tm = {};
  tm.tm_year = static_cast<int>(y) - 1900;
  tm.tm_mon = static_cast<int>(mo) - 1;
  tm.tm_mday = static_cast<int>(d);
  tm.tm_hour = static_cast<int>(h);
  tm.tm_min = static_cast<int>(mi);
  int64_t seconds = platform::UtcTmToUtc(tm);
  return seconds < 0 || seconds > 0xFFFFFFFFll ? 0u : static_cast<uint32_t>(seconds);
}

int ImportMsnText(BookmarkList& list, std::string_view text, uint8_t rating) {
  // The start tag: the first "<favorites" that a ">" follows.
  size_t start = FindNoCase(text, 0, text.size(), "<favorites");
  if (start == std::string_view::npos) return kImportFailed;
  size_t close = text.find('>', start + 10);
  if (close == std::string_view::npos) return kImportFailed;
  try {
    MsnWalk walk(list, text, rating);
    walk.Run(close + 1);
  } catch (const std::exception&) {
    return kImportFailed;
  }
  return kImportOk;
}

int ImportMsnFavorites(BookmarkList& list, const std::string& path, uint8_t rating) {
  return ImportFromFile(list, path, rating, ImportFileText::kUtf8, ImportMsnText);
}

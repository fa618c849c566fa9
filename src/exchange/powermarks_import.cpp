// Entries are found with the pattern
//   "<dt><a href="(.*?)">(.*?)</a>\s*<dd>(.*?)<br>"
// but where each match lies is worked out first from the positions of its
// literal pieces: a "</a>" followed by white space and "<dd>" with a "<br>"
// somewhere after it ends the title. The pattern then runs over just that
// stretch. An entry lacking its "<dd>" or "<br>" therefore costs lookups,
// not a scan of the rest of the file per entry.
#include "exchange/powermarks_import.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <vector>

#include "exchange/import_file.h"
#include "exchange/import_outline.h"
#include "exchange/import_regex.h"
#include "exchange/import_text.h"

namespace {

constexpr size_t kNone = static_cast<size_t>(-1);
constexpr char kEntryOpen[] = "<dt><a href=\"";
constexpr size_t kEntryOpenLength = sizeof kEntryOpen - 1;

struct PowermarksPatterns {
  boost::regex entry = ImportPattern("<dt><a href=\"(.*?)\">(.*?)</a>\\s*<dd>(.*?)<br>");
  boost::regex keywords = ImportPattern("<!--keywords-->(.*?)[\\r\\n]+");
  boost::regex description = ImportPattern("<!--desc-->(.*?)[\\r\\n]+");
  boost::regex metadata = ImportPattern(
      "<!--mdata=\\[.*?\\]\\[(.*?)\\]\\[(.*?)\\]\\[(.*?)\\]\\[(.*?)\\]\\[.*?\\]\\[.*?\\]\\[.*?\\]"
      "\\[.*?\\]\\[.*?\\]\\[(.*?)\\]\\[(.*?)\\]\\[.*?\\]\\[.*?\\]\\[.*?\\]-->");
};

size_t First(const std::vector<size_t>& positions, size_t pos) {
  auto it = std::lower_bound(positions.begin(), positions.end(), pos);
  return it == positions.end() ? kNone : *it;
}

class EntryFinder {
 public:
  EntryFinder(std::string_view text, const RegexSpaces& spaces) : text_(text) {
    for (size_t i = 0; i < text.size();) {
      const void* hit = std::memchr(text.data() + i, '<', text.size() - i);
      if (!hit) break;
      size_t p = static_cast<size_t>(static_cast<const char*>(hit) - text.data());
      i = p + 1;
      if (Spells(p, kEntryOpen))
        opens_.push_back(p);
      else if (Spells(p, "</a>"))
        linkEnds_.push_back(p);
      else if (Spells(p, "<br>"))
        breaks_.push_back(p);
    }
    for (size_t i = 0; i + 1 < text.size(); ++i)
      if (text[i] == '"' && text[i + 1] == '>') quoteEnds_.push_back(i);
    // A "</a>" can end the title when white space and "<dd>" follow it and a
    // "<br>" comes later.
    size_t lastBreak = breaks_.empty() ? kNone : breaks_.back();
    for (size_t end : linkEnds_) {
      size_t p = end + 4;
      while (p < text.size() && spaces.Is(text[p])) ++p;
      if (Spells(p, "<dd>") && lastBreak != kNone && p + 4 <= lastBreak) titleEnds_.push_back(end);
    }
  }

  // The stretch [start, end) of the leftmost entry at or after pos.
  bool Next(size_t pos, size_t* start, size_t* end) const {
    size_t open = First(opens_, pos);
    if (open == kNone) return false;
    // The address ends at the first '">' from which a title end can still
    // be reached; a later open cannot do better.
    size_t quote = First(quoteEnds_, open + kEntryOpenLength);
    if (quote == kNone || titleEnds_.empty() || quote + 2 > titleEnds_.back()) return false;
    size_t titleEnd = First(titleEnds_, quote + 2);
    size_t dd = titleEnd + 4;
    while (Lower(text_[dd]) != '<') ++dd;  // white space up to "<dd>"
    *start = open;
    *end = First(breaks_, dd + 4) + 4;
    return true;
  }

 private:
  static char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }
  bool Spells(size_t p, const char* word) const {
    return FindNoCase(text_, p, p + std::strlen(word), word) == p;
  }

  std::string_view text_;
  std::vector<size_t> opens_, quoteEnds_, linkEnds_, breaks_, titleEnds_;
};

// Searches a comment pattern "<!--name-->(.*?)[\r\n]+" in [from, to) only
// when a line break follows the first "<!--name-->": without one no
// occurrence can match, and trying each would rescan the rest.
bool SearchComment(const boost::regex& pattern, std::string_view text, size_t from, size_t to,
                   std::string_view marker, ImportMatch* m) {
  size_t at = FindNoCase(text, from, to, marker);
  if (at == kNone) return false;
  size_t lineBreak = text.substr(0, to).find_first_of("\r\n", at + marker.size());
  if (lineBreak == kNone) return false;
  size_t runEnd = text.substr(0, to).find_first_not_of("\r\n", lineBreak);
  if (runEnd == kNone) runEnd = to;
  return SearchRange(pattern, text.data() + from, text.data() + runEnd, m);
}

// Keywords without the words that the title or the description contain.
std::string KeptKeywords(std::string_view words, const std::string& title,
                         const std::string& notes) {
  std::string kept;
  size_t i = 0;
  while (i < words.size()) {
    size_t space = words.find(' ', i);
    if (space == kNone) space = words.size();
    std::string_view word = words.substr(i, space - i);
    i = space + 1;
    if (word.empty() || title.find(word) != std::string::npos ||
        notes.find(word) != std::string::npos)
      continue;
    if (!kept.empty()) kept += ' ';
    kept += word;
  }
  return kept;
}

class PowermarksWalk {
 public:
  PowermarksWalk(BookmarkList& list, std::string_view text, uint8_t rating)
      : text_(text), finder_(text, spaces_), out_(list), rating_(rating) {}

  void Run() {
    out_.AppendFiller(kLevelCategory);
    out_.AppendFiller(kLevelSubcategory);
    size_t pos = 0, start = 0, end = 0;
    while (!out_.Full() && finder_.Next(pos, &start, &end)) {
      ImportMatch m;
      if (!SearchRange(patterns_.entry, text_.data() + start, text_.data() + end, &m)) break;
      pos = static_cast<size_t>(m[0].second - text_.data());
      AddEntry(m);
    }
  }

 private:
  void AddEntry(const ImportMatch& entry) {
    BookmarkItem item = NewLink(rating_);
    item.url = DecodeHtmlEntities(Group(entry, 1));
    item.title = DecodeHtmlEntities(Group(entry, 2));
    if (item.title.empty()) item.title = kCorruptedTitle;
    size_t from = static_cast<size_t>(entry[3].first - text_.data());
    size_t to = static_cast<size_t>(entry[3].second - text_.data());
    ImportMatch m;
    std::string keywords;
    if (SearchComment(patterns_.keywords, text_, from, to, "<!--keywords-->", &m)) {
      keywords = DecodeHtmlEntities(Group(m, 1));
      from = static_cast<size_t>(m[0].second - text_.data());
    }
    if (SearchComment(patterns_.description, text_, from, to, "<!--desc-->", &m)) {
      item.notes = TrimmedNote(DecodeHtmlEntities(Group(m, 1)));
      from = static_cast<size_t>(m[0].second - text_.data());
    }
    uint32_t modified = 0;
    if (SearchRange(patterns_.metadata, text_.data() + from, text_.data() + to, &m)) {
      item.timeAdded = ReadDecimal(Group(m, 1));
      item.timeLastVisit = ReadDecimal(Group(m, 2));
      modified = ReadDecimal(Group(m, 3));
      item.dateSiteUpdated = ReadDecimal(Group(m, 4));
      item.visits = static_cast<uint16_t>(std::min<uint32_t>(ReadDecimal(Group(m, 5)), 0xFFFF));
      item.rating = PowermarksRating(Group(m, 6));
    }
    item.keywords = KeptKeywords(keywords, item.title, item.notes);
    uint16_t index = out_.Append(item);
    if (index != 0 && modified != 0) {
      // Adding stamps the item with the current time; the file's own
      // modification time replaces it.
      BookmarkList& list = out_.List();
      BookmarkItem added;
      list.DecodeInto(index, false, &added);
      added.timeModified = modified;
      list.Encode(added);
    }
  }

  std::string_view text_;
  RegexSpaces spaces_;
  EntryFinder finder_;
  PowermarksPatterns patterns_;
  ImportAppender out_;
  uint8_t rating_;
};

}  // namespace

uint8_t PowermarksRating(std::string_view hex) {
  uint32_t value = 0;
  for (char c : hex) {
    int digit = c >= '0' && c <= '9'   ? c - '0'
                : c >= 'a' && c <= 'f' ? c - 'a' + 10
                : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                       : -1;
    if (digit < 0) break;
    value = (value << 4) | static_cast<uint32_t>(digit);
    if (value > 0xFFFFFFF) break;
  }
  uint32_t rating = ((value + 1) >> 1) & 0x7F;
  return static_cast<uint8_t>(rating > 5 ? 0 : rating);
}

int ImportPowermarksText(BookmarkList& list, std::string_view text, uint8_t rating) {
  try {
    PowermarksWalk walk(list, text, rating);
    walk.Run();
  } catch (const std::exception&) {
    return kImportFailed;
  }
  return kImportOk;
}

int ImportPowermarks(BookmarkList& list, const std::string& path, uint8_t rating) {
  return ImportFromFile(list, path, rating, ImportFileText::kUtf8, ImportPowermarksText);
}

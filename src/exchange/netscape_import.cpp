// The walk: a token scanner over "<dl>", "</dl>", "<dt>" and "<hr>" with a
// small state machine. Each list is walked twice: first for its own links
// (link mode), then again from its start for its headings and separators,
// where each nested list is in turn walked for its links first. That gives
// the outline order (a folder, its links, then its sub-folders) without a
// document tree.
//
// The values are cut out where the importer's patterns (">([^>]*?)</",
// NAME="(.*?)", "\\A\\s*<dd>(.*?)[\\r\\n]") would find them, by direct search:
// each pattern's match is fixed by a few characters, and running the regular
// expression engine per link cost a third of the import.
//
// Character references are decoded in each value taken from the text, not
// in the text before the walk: an escaped "<" or "</DL>" in a title must
// stay part of the title.
#include "exchange/netscape_import.h"

#include <algorithm>
#include <exception>
#include <vector>

#include "exchange/import_file.h"
#include "exchange/import_outline.h"
#include "exchange/import_regex.h"
#include "exchange/import_text.h"
#include "exchange/netscape_tags.h"

namespace {

constexpr size_t kNone = static_cast<size_t>(-1);

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

// The first CR or LF at or after a position, remembering the last answer
// so that a text without line breaks is not searched to its end per link.
class LineBreaks {
 public:
  explicit LineBreaks(std::string_view text) : text_(text) {}
  size_t AtOrAfter(size_t from) {
    if (valid_ && from >= from_ && (at_ == kNone || from <= at_)) return at_;
    size_t lf = text_.find('\n', from);
    size_t crEnd = lf == kNone ? text_.size() : lf;
    size_t cr = text_.substr(0, crEnd).find('\r', from);
    valid_ = true;
    from_ = from;
    at_ = cr != kNone ? cr : lf;
    return at_;
  }

 private:
  std::string_view text_;
  bool valid_ = false;
  size_t from_ = 0, at_ = kNone;
};

class NetscapeWalk {
 public:
  NetscapeWalk(BookmarkList& list, std::string_view text, uint8_t rating)
      : text_(text), tags_(text), out_(list), breaks_(text), rating_(rating) {}

  int Run() {
    out_.List().ReserveLineText(text_.size());  // about the text the items will hold
    const auto& tokens = tags_.Tokens();
    out_.List().ReserveItems(tokens.size());  // more than the items the tokens give
    closedBy_.assign(tokens.size(), kNone);
    size_t k = 0;
    while (k < tokens.size()) {
      switch (tokens[k].kind) {
        case ListToken::kEntry:
          k = OnEntry(k);
          break;
        case ListToken::kListStart:
          k = OnListStart(k);
          break;
        case ListToken::kListEnd:
          k = OnListEnd(k);
          break;
        case ListToken::kRule:
          k = OnRule(k);
          break;
      }
    }
    return depth_ > 0 ? kImportFailed : kImportOk;
  }

 private:
  size_t OnEntry(size_t k) {
    if (depth_ < 0) depth_ = 0;
    const NetscapeTags::Entry& entry = tags_.EntryAfter(k);
    if (entry.start == std::string_view::npos) return k + 1;
    size_t start = entry.start, end = entry.end, next = entry.next;
    bool isLink = Lower(text_[start + 1]) == 'a';
    if (isLink != linkMode_) return next;  // links in link mode, headings outside it
    std::string_view element = text_.substr(start, end - start);
    if (!linkMode_) {
      currentLevel_ = depth_ >= 2 ? 1 : depth_;
      out_.Append(NewContainer(currentLevel_, TitleOf(element)));
    } else if (depth_ == scanDepth_) {
      AddLink(element, end);
    }
    return next;
  }

  void AddLink(std::string_view element, size_t end) {
    BookmarkItem item = NewLink(rating_);
    item.title = TitleOf(element);
    item.url = Attribute(element, "href=\"");
    item.timeAdded = ReadDecimal(Attribute(element, "add_date=\""));
    item.timeLastVisit = ReadDecimal(Attribute(element, "last_visit=\""));
    item.notes = DescriptionAfter(end);
    out_.FillBeforeLink(&currentLevel_);
    out_.Append(item);
  }

  // The value the attribute pattern NAME="(.*?)" (case-insensitive) finds
  // in the element: its match can only start at the first NAME=" (if that
  // has no closing quote, no later one has), and its lazy group ends at the
  // first quote after it, so the value is the text between the two.
  std::string Attribute(std::string_view element, std::string_view name) {
    size_t at = FindNoCase(element, 0, element.size(), name);
    if (at == kNone) return {};
    size_t value = at + name.size();
    size_t quote = element.find('"', value);
    if (quote == kNone) return {};
    return DecodeHtmlEntities(element.substr(value, quote - value));
  }

  // The visible text the pattern ">([^>]*?)</" finds: it matches at the
  // first ">" from which a "</" comes before the next ">", and its lazy
  // group ends at that "</".
  std::string TitleOf(std::string_view element) {
    for (size_t gt = element.find('>'); gt != kNone;) {
      size_t next = element.find('>', gt + 1);
      size_t close = element.substr(0, next == kNone ? element.size() : next).find("</", gt + 1);
      if (close != kNone)
        return CutTitle(DecodeHtmlEntities(element.substr(gt + 1, close - gt - 1)));
      gt = next;
    }
    return kCorruptedTitle;
  }

  // The description the pattern "\\A\\s*<dd>(.*?)[\\r\\n]" finds right after
  // the element: white space (as "\\s" reads it), "<dd>" in any case, then
  // the text up to the first line break.
  std::string DescriptionAfter(size_t end) {
    size_t p = end;
    while (p < text_.size() && spaces_.Is(text_[p])) ++p;
    if (text_.size() - p < 4 || Lower(text_[p]) != '<' || Lower(text_[p + 1]) != 'd' ||
        Lower(text_[p + 2]) != 'd' || text_[p + 3] != '>')
      return {};
    size_t lineBreak = breaks_.AtOrAfter(p + 4);
    if (lineBreak == kNone) return {};
    return TrimmedNote(DecodeHtmlEntities(text_.substr(p + 4, lineBreak - p - 4)));
  }

  size_t OnListStart(size_t k) {
    ++depth_;
    if (linkMode_) {
      // A nested list seen before: its contents add nothing to this link
      // scan, so step over it to the token after its end.
      if (closedBy_[k] != kNone) {
        --depth_;
        return closedBy_[k] + 1;
      }
      SetOpenedBy(k);
      return k + 1;
    }
    SetOpenedBy(k);
    resume_ = k + 1;
    linkMode_ = true;
    scanDepth_ = depth_;
    return k + 1;
  }

  size_t OnListEnd(size_t k) {
    if (depth_ < 0) return k + 1;  // more ends than starts
    size_t d = static_cast<size_t>(depth_);
    if (openedBy_.size() <= d) openedBy_.resize(d + 1, kNone);
    if (openedBy_[d] != kNone) closedBy_[openedBy_[d]] = k;
    if (linkMode_ && depth_ == scanDepth_) {
      linkMode_ = false;
      scanDepth_ = -1;
      return resume_;  // the same list again, for its headings
    }
    openedBy_[d] = kNone;
    --depth_;
    if (!linkMode_) currentLevel_ = depth_ >= 2 ? 1 : std::max(currentLevel_ - 1, -1);
    return k + 1;
  }

  size_t OnRule(size_t k) {
    // A rule outside every list stands between no links: a separator for
    // it would sit outside the outline.
    if (linkMode_ || depth_ < 0) return k + 1;
    currentLevel_ = depth_ >= 2 ? 1 : depth_;
    out_.Append(NewSeparator(currentLevel_));
    return k + 1;
  }

  void SetOpenedBy(size_t k) {
    size_t d = static_cast<size_t>(depth_);
    if (openedBy_.size() <= d) openedBy_.resize(d + 1, kNone);
    openedBy_[d] = k;
  }

  std::string_view text_;
  NetscapeTags tags_;
  ImportAppender out_;
  LineBreaks breaks_;
  RegexSpaces spaces_;
  uint8_t rating_;
  int depth_ = -1, currentLevel_ = -1, scanDepth_ = -1;
  bool linkMode_ = false;
  size_t resume_ = 0;
  std::vector<size_t> openedBy_;           // by depth: the "<dl>" token that opened it
  platform::LargeTable<size_t> closedBy_;  // by token: the "</dl>" that ends a "<dl>"
};

}  // namespace

int ImportNetscapeText(BookmarkList& list, std::string_view text, uint8_t rating) {
  try {
    NetscapeWalk walk(list, text, rating);
    return walk.Run();
  } catch (const std::exception&) {
    return kImportFailed;  // no memory
  }
}

int ImportNetscapeHtml(BookmarkList& list, const std::string& path, uint8_t rating) {
  return ImportFromFile(list, path, rating, ImportFileText::kUtf8, ImportNetscapeText);
}

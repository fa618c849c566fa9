#include "search/search_engine.h"

#include <algorithm>
#include <string>

#include "list/item_codec.h"
#include "search/text_preparation.h"

namespace {

constexpr uint16_t kMatchFlags = kFlagSearchMatch | kFlagPreviousResult;

// Column numbers of the fields a search reads.
enum SearchField : int {
  kTimeModifiedField = 3,
  kTitleField = 5,
  kNotesField = 7,
  kKeywordsField = 8,
  kRatingField = 13,
  kTimeAddedField = 14,
  kLastVisitField = 16,
  kSiteStatusField = 20,
  kSiteUpdatedField = 21,
};

constexpr int kDateFields[] = {kLastVisitField, kTimeAddedField, kTimeModifiedField,
                               kSiteUpdatedField};

// The fields of a stored line, read only as far as the search needs them
// (a short line leaves the rest empty, which reads as 0).
struct LineFields {
  std::string_view field[kFieldCount];

  void Split(std::string_view line, int count) {
    size_t start = 0;
    for (int i = 0; i < count; ++i) {
      if (start > line.size()) {
        field[i] = std::string_view();
        continue;
      }
      size_t tab = line.find('\t', start);
      if (tab == std::string_view::npos) tab = line.size();
      field[i] = line.substr(start, tab - start);
      start = tab + 1;
    }
  }
};

// Where field `field` of a line starts (the line's end when it is short).
// The fields before the title are short numbers.
size_t FieldStart(std::string_view line, int field) {
  size_t at = 0;
  for (int tabs = 0; at < line.size() && tabs < field; ++at)
    if (line[at] == '\t') ++tabs;
  return at;
}

// Where the first `count` fields of `text` end (the tab after the last).
size_t FieldsEnd(std::string_view text, int count) {
  size_t at = 0;
  for (int f = 0; f < count; ++f) {
    size_t tab = text.find('\t', at);
    if (tab == std::string_view::npos) return text.size();
    at = tab + 1;
  }
  return at - 1;
}

class Searcher {
 public:
  Searcher(const SearchOptions& options, std::string_view term)
      : o_(options), prep_(options.caseSensitive, options.wholeWord, options.ignorePunctuation) {
    prep_.Prepare(term, &term_);
    prep_.FilterTerm(term_);
    anyTerm_ = prep_.IsEmptyTerm(term_);
    // No field holds a tab: a term with one is found nowhere.
    noText_ = term_.find('\t') != std::string::npos;
    // The filters read their fields up to the last one they use.
    auto need = [this](int field) { fieldCount_ = std::max(fieldCount_, field + 1); };
    if (o_.ratingFilter) need(kRatingField);
    if (o_.statusFilter) need(kSiteStatusField);
    if (o_.dateFilter) need(kDateFields[o_.dateField & 3]);
    // Title, address, notes, keywords: the order of the line's columns.
    textOn_[0] = o_.inTitles;
    textOn_[1] = o_.inAddresses;
    textOn_[2] = o_.inNotes;
    textOn_[3] = o_.inKeywords;
    for (int f = 0; f < kTextFields; ++f)
      if (textOn_[f]) textCount_ = f + 1;
    allText_ = textOn_[0] && textOn_[1] && textOn_[2] && textOn_[3];
  }

  bool Passes(const BookmarkList& list, uint16_t index) {
    bool bookmark = list.TestFlags(index, kFlagBookmark);
    bool filtered = o_.ratingFilter || o_.dateFilter || o_.statusFilter;
    if (filtered && !bookmark) {
      // Only "more than N days" lets containers through, and only that filter.
      bool container = list.Level(index) <= kLevelSubcategory;
      if (o_.ratingFilter || o_.statusFilter || !o_.dateMoreThan || !container) return false;
    }
    if (!filtered && anyTerm_) return true;
    std::string_view line = list.Line(list.Target(index));
    if (filtered && bookmark) {
      fields_.Split(line, fieldCount_);
      if (!PassesFilters()) return false;
    }
    if (anyTerm_) return true;
    if (noText_ || textCount_ == 0) return false;
    return TextMatches(line.substr(FieldStart(line, kTitleField)));
  }

 private:
  static constexpr int kTextFields = 4;

  bool PassesFilters() const {
    const std::string_view* f = fields_.field;
    if (o_.ratingFilter) {
      uint32_t rating = ParseUnsigned(f[kRatingField]);
      if (rating > 5) rating = 0;
      bool pass = (rating == 0 && (o_.ratingMode == kRatingUnrated || o_.includeUnrated)) ||
                  (o_.ratingMode == kRatingAtLeast && rating >= o_.ratingValue) ||
                  (o_.ratingMode == kRatingAtMost && rating > 0 && rating <= o_.ratingValue);
      if (!pass) return false;
    }
    if (o_.dateFilter) {
      uint32_t date = ParseUnsigned(f[kDateFields[o_.dateField & 3]]);
      if (o_.dateMoreThan ? date > o_.dateThreshold : date < o_.dateThreshold) return false;
    }
    if (o_.statusFilter) {
      uint32_t status = ParseUnsigned(f[kSiteStatusField]);
      if (status > 0xFF || status != o_.statusValue) return false;
    }
    return true;
  }

  // `text` starts at the title. The fields are prepared together; with all
  // four searched, one search goes over them all (no hit can span a tab).
  // (Trying the title first, where short terms mostly match, costs more
  // than it saves over a whole typed term.)
  bool TextMatches(std::string_view text) {
    // Most lines cannot match: a look at the raw fields spares preparing
    // them (it only costs where the term has no run to look for).
    if (!prep_.RawMayContain(text.substr(0, FieldsEnd(text, textCount_)))) return false;
    prep_.PrepareFields(text, textCount_, kNotesField - kTitleField, &buffer_, spans_);
    if (allText_) return prep_.Contains(buffer_, term_);
    std::string_view prepared(buffer_);
    for (int f = 0; f < textCount_; ++f) {
      if (!textOn_[f]) continue;
      const TextPreparer::Span& s = spans_[f];
      if (prep_.Contains(prepared.substr(s.begin, s.end - s.begin), term_)) return true;
    }
    return false;
  }

  const SearchOptions& o_;
  TextPreparer prep_;
  std::string term_;
  bool anyTerm_ = false;
  bool noText_ = false;
  int fieldCount_ = 0;
  bool textOn_[kTextFields] = {};
  int textCount_ = 0;
  bool allText_ = false;  // all four searched
  LineFields fields_;
  std::string buffer_;
  TextPreparer::Span spans_[kTextFields];
};

void SetMatchFlags(BookmarkList& list, uint16_t index, uint16_t mask, int mode) {
  uint16_t now = list.Link(index).flags & mask;
  if ((mode == 0 && now == 0) || (mode == 1 && now == mask)) return;
  list.SetFlags(index, mask, mode);
}

}  // namespace

SearchResult RunSearch(BookmarkList& list, std::string_view term, const SearchOptions& options,
                       bool selectFirst) {
  Searcher searcher(options, term);
  SearchResult result;
  // The walk remembers the category and subcategory it is in, so that a
  // match can mark them, and whether they are left out (deleted, or an
  // excluded SmartFolder) together with everything they hold.
  uint16_t category = 0, subcategory = 0;
  bool categoryOut = false, subcategoryOut = false;
  for (uint16_t i = list.Next(0, false); i != 0; i = list.Next(i, false)) {
    int8_t level = list.Level(i);
    bool out = list.IsDeleted(i) || (options.excludeSmartFolders && IsSmartContainer(list, i));
    if (level <= kLevelCategory) {
      category = i;
      subcategory = 0;
      categoryOut = out;
      subcategoryOut = false;
    } else if (level == kLevelSubcategory) {
      subcategory = i;
      subcategoryOut = out = out || categoryOut;
    } else {
      out = out || categoryOut || subcategoryOut;
    }
    bool candidate = !out && !list.TestFlags(i, kFlagSeparator) &&
                     (!options.withinPrevious || list.TestFlags(i, kFlagPreviousResult));
    SetMatchFlags(list, i, kMatchFlags, 0);
    if (!candidate || !searcher.Passes(list, i)) continue;

    SetMatchFlags(list, i, kMatchFlags, 1);
    if (level > kLevelCategory && category != 0) SetMatchFlags(list, category, kFlagSearchMatch, 1);
    if (level > kLevelSubcategory && subcategory != 0)
      SetMatchFlags(list, subcategory, kFlagSearchMatch, 1);
    if (result.matches++ == 0) result.firstMatch = i;
    if (list.TestFlags(i, kFlagBookmark) && !list.IsAlias(i)) {
      if (result.bookmarks++ == 0) result.firstBookmark = i;
    }
    result.items.push_back(i);
  }
  if (selectFirst && result.firstMatch != 0) SelectItem(list, result.firstMatch);
  return result;
}

void SelectItem(BookmarkList& list, uint16_t index) {
  AncestorIndices path = list.AncestorPath(index);
  list.FillColumn(0, path.category);
  list.FillColumn(1, path.subcategory);
  list.FillColumn(2, path.bookmark);
}

uint16_t WalkToMatch(const BookmarkList& list, uint16_t from, bool backward) {
  // The walk passes the root at the end of the ring and goes on from the
  // other end. It is bounded, since `from` may lie off the live ring.
  uint32_t steps = static_cast<uint32_t>(list.itemCount) + 1;
  uint16_t i = from;
  while (steps-- > 0) {
    i = backward ? list.Prev(i, true) : list.Next(i, true);
    if (i == from) return 0;
    if (i != 0 && list.TestFlags(i, kFlagPreviousResult)) return i;
  }
  return 0;
}

#include "list/item_codec.h"

#include <charconv>
#include <cstring>

namespace {

bool IsTrimSpace(char c) { return IsLineSpace(c); }

// Splits at single tabs; an absent trailing field reads as empty.
class FieldReader {
 public:
  explicit FieldReader(std::string_view line) : rest_(line) {}
  std::string_view Next() {
    if (done_) return std::string_view();
    size_t tab = rest_.find('\t');
    std::string_view field = rest_.substr(0, tab);
    if (tab == std::string_view::npos) {
      done_ = true;
    } else {
      rest_.remove_prefix(tab + 1);
    }
    return field;
  }

 private:
  std::string_view rest_;
  bool done_ = false;
};

template <typename T>
T Narrow(uint32_t value, T maxValue) {
  return value > maxValue ? maxValue : static_cast<T>(value);
}

bool IsFieldBreak(char c) { return c == '\t' || c == '\r' || c == '\n'; }

// Any other text field: nothing in it may end the field or the line.
std::string FieldText(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (IsFieldBreak(c)) c = ' ';
  return out;
}

// Writes a line into room sized by EncodedLineBound: each field straight
// into place, a tab and the text as the matching text function gives it,
// without a string of its own. A list encodes every item this way when it
// is built or imported, so no byte is copied twice.
class LineWriter {
 public:
  explicit LineWriter(char* out) : start_(out), p_(out) {}

  void Tab() { *p_++ = '\t'; }
  void Number(uint32_t value) { p_ = std::to_chars(p_, p_ + kMaxDigits, value).ptr; }
  // A number that the file writes empty when it is 0.
  void Optional(uint32_t value) {
    Tab();
    if (value != 0) Number(value);
  }
  // The tab and FieldText(text).
  void FieldText(std::string_view text) {
    Tab();
    Blanked(text, 0, text.size());
  }
  // The tab and FieldText(TrimText(text)).
  void TrimmedFieldText(std::string_view text) {
    size_t begin = 0, end = text.size();
    while (begin < end && IsTrimSpace(text[begin])) ++begin;
    while (end > begin && IsTrimSpace(text[end - 1])) --end;
    Tab();
    Blanked(text, begin, end);
  }
  // The tab and CleanLineText(text): breaks become blanks first, then the
  // ends are trimmed.
  void CleanLineText(std::string_view text) {
    auto blank = [](char c) { return IsFieldBreak(c) ? ' ' : c; };
    size_t begin = 0, end = text.size();
    while (begin < end && IsTrimSpace(blank(text[begin]))) ++begin;
    while (end > begin && IsTrimSpace(blank(text[end - 1]))) --end;
    Tab();
    Blanked(text, begin, end);
  }
  // The tab and EncodeNoteText(text).
  void NoteText(std::string_view text) {
    Tab();
    for (char c : text) {
      if (c == '\t') {
        std::memcpy(p_, "    ", 4);
        p_ += 4;
      } else if (c == '\n') {
        *p_++ = '\\';
        *p_++ = 'n';
      } else if (c != '\r') {
        *p_++ = c;
      }
    }
  }
  // Drops trailing white space, as loading would drop it.
  void TrimEnd() {
    while (p_ != start_ && IsLineSpace(p_[-1])) --p_;
  }
  size_t Length() const { return static_cast<size_t>(p_ - start_); }

  static constexpr size_t kMaxDigits = 10;  // of a 32-bit number

 private:
  // text[begin, end) with every field break made a blank.
  void Blanked(std::string_view text, size_t begin, size_t end) {
    const char* in = text.data();
    char* out = p_;
    for (size_t i = begin; i < end; ++i) out[i - begin] = IsFieldBreak(in[i]) ? ' ' : in[i];
    p_ += end - begin;
  }

  char* start_;
  char* p_;
};

// The numbers written for a record: its own, or those a new item is given.
struct HeadNumbers {
  uint32_t id;
  uint16_t index;
  uint16_t flags;
  uint32_t timeAdded;
  uint32_t timeModified;
};

size_t WriteLine(const BookmarkItem& r, const HeadNumbers& head, char* out) {
  LineWriter line(out);
  line.Number(head.id);
  line.Tab();
  line.Number(static_cast<uint32_t>(r.level + 1) & 0xFF);
  line.Tab();
  line.Number(head.flags & kPersistedFlagBits);
  line.Tab();
  line.Number(head.timeModified);
  if (head.id == 0 && head.index == kRootIndex) return line.Length();
  line.Tab();
  if (r.aliasId != 0) {
    line.Number(r.aliasId);
    return line.Length();
  }
  line.CleanLineText(r.title);
  if (head.flags & kFlagBookmark) {
    line.CleanLineText(r.url);
    line.NoteText(r.notes);
    line.NoteText(r.keywords);
    line.TrimmedFieldText(r.login);
    line.TrimmedFieldText(r.password);
    line.FieldText(r.browser);
    line.Optional(r.hotkey);
    line.Optional(r.rating);
    line.Optional(head.timeAdded);
    line.Optional(r.visits);
    line.Optional(r.timeLastVisit);
    line.Optional(r.timePreviousVisit);
    line.Optional(r.timeDueVisit);
    line.FieldText(r.dueVisitInterval);
    line.Optional(r.siteStatus);
    line.Optional(r.dateSiteUpdated);
    line.Optional(r.timeSiteChecked);
  } else {
    line.Tab();  // no URL
    line.NoteText(r.notes);
    line.NoteText(r.keywords);
  }
  line.TrimEnd();
  return line.Length();
}

}  // namespace

std::string_view TrimTrailingSpace(std::string_view text) {
  size_t n = text.size();
  while (n > 0 && IsLineSpace(text[n - 1])) --n;
  return text.substr(0, n);
}

uint32_t ParseUnsigned(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  uint64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + static_cast<uint64_t>(text[i] - '0');
    if (value > 0xFFFFFFFFull) return 0xFFFFFFFFu;
  }
  return static_cast<uint32_t>(value);
}

std::string TrimText(std::string_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && IsTrimSpace(text[begin])) ++begin;
  while (end > begin && IsTrimSpace(text[end - 1])) --end;
  return std::string(text.substr(begin, end - begin));
}

std::string CleanLineText(std::string_view text) { return TrimText(FieldText(text)); }

std::string EncodeNoteText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == '\t') {
      out.append("    ");
    } else if (c == '\n') {
      out.append("\\n");
    } else if (c != '\r') {
      out.push_back(c);
    }
  }
  return out;
}

std::string DecodeNoteText(std::string_view stored) {
  std::string out;
  out.reserve(stored.size());
  for (size_t i = 0; i < stored.size(); ++i) {
    if (stored[i] == '\\' && i + 1 < stored.size() && stored[i + 1] == 'n') {
      out.append("\r\n");
      ++i;
    } else {
      out.push_back(stored[i]);
    }
  }
  return out;
}

namespace {

int8_t LevelFromStored(uint32_t stored) {
  return static_cast<int8_t>(stored > 128 ? 127 : static_cast<int>(stored) - 1);
}

}  // namespace

LineHead DecodeHead(std::string_view line) {
  // Loading reads this for every line: one pass, numbers read as they come.
  uint32_t numbers[5] = {0, 0, 0, 0, 0};
  const char* p = line.data();
  const char* end = p + line.size();
  for (int field = 0; field < 5 && p < end; ++field) {
    while (p < end && *p == ' ') ++p;
    uint64_t value = 0;
    for (; p < end && static_cast<unsigned>(*p - '0') < 10; ++p)
      if (value <= 0xFFFFFFFFull) value = value * 10 + static_cast<unsigned>(*p - '0');
    numbers[field] = value > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<uint32_t>(value);
    while (p < end && *p != '\t') ++p;  // anything after the digits
    if (p < end) ++p;
  }
  LineHead head;
  head.id = numbers[0];
  head.level = LevelFromStored(numbers[1]);
  head.flags = static_cast<uint16_t>(numbers[2] & kPersistedFlagBits);
  head.timeModified = numbers[3];
  head.aliasId = numbers[4];
  return head;
}

uint32_t DecodeTimeModified(std::string_view line) {
  // Whatever the first three fields hold, each ends at its tab.
  size_t at = 0;
  for (int tab = 0; tab < 3; ++tab) {
    at = line.find('\t', at);
    if (at == std::string_view::npos) return 0;
    ++at;
  }
  return ParseUnsigned(line.substr(at));
}

void DecodeLine(std::string_view line, bool allFields, BookmarkItem* record) {
  record->Clear();
  FieldReader fields(line);
  record->id = ParseUnsigned(fields.Next());
  record->level = LevelFromStored(ParseUnsigned(fields.Next()));
  record->flags = static_cast<uint16_t>(ParseUnsigned(fields.Next()) & kPersistedFlagBits);
  record->timeModified = ParseUnsigned(fields.Next());
  record->aliasId = ParseUnsigned(fields.Next());
  record->decoded = 1;
  if (!allFields) return;
  record->title = TrimText(fields.Next());
  record->url = TrimText(fields.Next());
  record->notes = std::string(fields.Next());
  record->keywords = std::string(fields.Next());
  record->login = TrimText(fields.Next());
  record->password = TrimText(fields.Next());
  record->browser = std::string(fields.Next());
  record->hotkey = ParseUnsigned(fields.Next());
  uint32_t rating = ParseUnsigned(fields.Next());
  record->rating = static_cast<uint8_t>(rating > 5 ? 0 : rating);
  record->timeAdded = ParseUnsigned(fields.Next());
  record->visits = Narrow<uint16_t>(ParseUnsigned(fields.Next()), 0xFFFF);
  record->timeLastVisit = ParseUnsigned(fields.Next());
  record->timePreviousVisit = ParseUnsigned(fields.Next());
  record->timeDueVisit = ParseUnsigned(fields.Next());
  record->dueVisitInterval = std::string(fields.Next());
  record->siteStatus = Narrow<uint8_t>(ParseUnsigned(fields.Next()), 0xFF);
  record->dateSiteUpdated = ParseUnsigned(fields.Next());
  record->timeSiteChecked = ParseUnsigned(fields.Next());
  record->decoded = 2;
}

size_t EncodedLineBound(const BookmarkItem& r) {
  // Every number at its longest with its tab; a tab becomes four blanks in
  // the notes and keywords; the other texts keep their length or shrink.
  constexpr size_t kNumberRoom = LineWriter::kMaxDigits + 1;
  return kFieldCount * kNumberRoom + r.title.size() + r.url.size() + r.login.size() +
         r.password.size() + r.browser.size() + r.dueVisitInterval.size() +
         4 * (r.notes.size() + r.keywords.size());
}

size_t EncodeLineInto(const BookmarkItem& r, char* out) {
  return WriteLine(r, {r.id, r.index, r.flags, r.timeAdded, r.timeModified}, out);
}

size_t EncodeNewLineInto(const BookmarkItem& r, const NewLineNumbers& numbers, char* out) {
  // A new item's ID is never 0, so its line is never the root's.
  return WriteLine(r, {numbers.id, 0, numbers.flags, numbers.timeAdded, numbers.timeModified}, out);
}

void EncodeLine(const BookmarkItem& r, std::string* line) {
  line->resize(EncodedLineBound(r));
  line->resize(EncodeLineInto(r, &(*line)[0]));
}

bool NoteTextIsEmpty(std::string_view text) {
  return text.find_first_not_of('\r') == std::string_view::npos;
}

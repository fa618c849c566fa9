#include "list/item_codec.h"

#include <charconv>

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

void AppendNumber(std::string* out, uint32_t value) {
  char digits[12];
  auto r = std::to_chars(digits, digits + sizeof digits, value);
  out->append(digits, static_cast<size_t>(r.ptr - digits));
}

// A number that the file writes empty when it is 0.
void AppendOptional(std::string* out, uint32_t value) {
  out->push_back('\t');
  if (value != 0) AppendNumber(out, value);
}

// Any other text field: nothing in it may end the field or the line.
std::string FieldText(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  return out;
}

// The appenders below write a field straight into the line, a tab and the
// text as the matching text function gives it, without a string of their
// own: a list encodes every item this way when it is built or imported.

bool IsFieldBreak(char c) { return c == '\t' || c == '\r' || c == '\n'; }

// Appends text[begin, end) with every field break made a blank.
void AppendBlanked(std::string* out, std::string_view text, size_t begin, size_t end) {
  size_t start = out->size();
  out->append(text.data() + begin, end - begin);
  char* p = &(*out)[start];
  char* stop = p + (end - begin);
  for (; p != stop; ++p) *p = IsFieldBreak(*p) ? ' ' : *p;  // branch-free: it vectorizes
}

// The tab and FieldText(text).
void AppendFieldText(std::string* out, std::string_view text) {
  out->push_back('\t');
  AppendBlanked(out, text, 0, text.size());
}

// The tab and FieldText(TrimText(text)).
void AppendTrimmedFieldText(std::string* out, std::string_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && IsTrimSpace(text[begin])) ++begin;
  while (end > begin && IsTrimSpace(text[end - 1])) --end;
  out->push_back('\t');
  AppendBlanked(out, text, begin, end);
}

// The tab and CleanLineText(text): breaks become blanks first, then
// the ends are trimmed.
void AppendCleanLineText(std::string* out, std::string_view text) {
  auto blank = [](char c) { return IsFieldBreak(c) ? ' ' : c; };
  size_t begin = 0, end = text.size();
  while (begin < end && IsTrimSpace(blank(text[begin]))) ++begin;
  while (end > begin && IsTrimSpace(blank(text[end - 1]))) --end;
  out->push_back('\t');
  AppendBlanked(out, text, begin, end);
}

// The tab and EncodeNoteText(text).
void AppendNoteText(std::string* out, std::string_view text) {
  out->push_back('\t');
  for (char c : text) {
    if (c == '\t') {
      out->append("    ");
    } else if (c == '\n') {
      out->append("\\n");
    } else if (c != '\r') {
      out->push_back(c);
    }
  }
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

void EncodeLine(const BookmarkItem& r, std::string* line) {
  line->clear();
  AppendNumber(line, r.id);
  line->push_back('\t');
  AppendNumber(line, static_cast<uint32_t>(r.level + 1) & 0xFF);
  line->push_back('\t');
  AppendNumber(line, r.flags & kPersistedFlagBits);
  line->push_back('\t');
  AppendNumber(line, r.timeModified);
  if (r.id == 0 && r.index == kRootIndex) return;
  line->push_back('\t');
  if (r.aliasId != 0) {
    AppendNumber(line, r.aliasId);
    return;
  }
  AppendCleanLineText(line, r.title);
  if (r.flags & kFlagBookmark) {
    AppendCleanLineText(line, r.url);
    AppendNoteText(line, r.notes);
    AppendNoteText(line, r.keywords);
    AppendTrimmedFieldText(line, r.login);
    AppendTrimmedFieldText(line, r.password);
    AppendFieldText(line, r.browser);
    AppendOptional(line, r.hotkey);
    AppendOptional(line, r.rating);
    AppendOptional(line, r.timeAdded);
    AppendOptional(line, r.visits);
    AppendOptional(line, r.timeLastVisit);
    AppendOptional(line, r.timePreviousVisit);
    AppendOptional(line, r.timeDueVisit);
    AppendFieldText(line, r.dueVisitInterval);
    AppendOptional(line, r.siteStatus);
    AppendOptional(line, r.dateSiteUpdated);
    AppendOptional(line, r.timeSiteChecked);
  } else {
    line->push_back('\t');  // no URL
    AppendNoteText(line, r.notes);
    AppendNoteText(line, r.keywords);
  }
  line->resize(TrimTrailingSpace(*line).size());
}

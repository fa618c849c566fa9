#include "search/text_preparation.h"

#include <cstring>

#include "platform/platform.h"

namespace {

// Blank, hyphen, full stop, comma, colon, semicolon, apostrophe, double quote.
constexpr char kPunctuationChars[] = " -.,:;'\"";

bool IsPunctuation(unsigned char c) { return c != 0 && std::strchr(kPunctuationChars, c); }

// How often a character turns up in titles, addresses and notes, roughly.
int Commonness(unsigned char c) {
  static const char kByFrequency[] = " etaoinsr/.hldcupmfgw:-ybvkxjqz";
  if (c >= 'A' && c <= 'Z') c = static_cast<unsigned char>(c + 32);
  const char* at = c ? std::strchr(kByFrequency, c) : nullptr;
  if (at) return static_cast<int>(sizeof kByFrequency) - static_cast<int>(at - kByFrequency);
  return c >= '0' && c <= '9' ? 8 : 0;
}

// Stored notes keep a line break as backslash-"n"; the prepared text has
// CR LF in its place. For preparations that keep every character in place.
void MarkLineBreaks(const unsigned char* in, size_t begin, size_t end, char* out) {
  for (size_t k = begin; k + 1 < end; ++k) {
    const void* hit = std::memchr(in + k, '\\', end - k - 1);
    if (!hit) return;
    k = static_cast<size_t>(static_cast<const unsigned char*>(hit) - in);
    if (in[k + 1] == 'n') {
      out[k] = '\r';
      out[++k] = '\n';
    }
  }
}

}  // namespace

TextPreparer::TextPreparer(bool caseSensitive, bool wholeWord, bool ignorePunctuation)
    : caseSensitive_(caseSensitive), wholeWord_(wholeWord), ignorePunctuation_(ignorePunctuation) {
  std::string one(1, '\0');
  bool wordChar[256];
  for (int c = 0; c < 256; ++c) {
    unsigned char byte = static_cast<unsigned char>(c);
    lead_[c] = platform::IsLeadByte(byte) ? 1 : 0;
    doubleByte_ = doubleByte_ || lead_[c];
    wordChar[c] = platform::IsAnsiAlphaNumeric(byte);
    fold_[c] = byte;
    if (!caseSensitive && !lead_[c] && c != 0) {
      one[0] = static_cast<char>(byte);
      std::string lower = platform::LowerAnsiText(one);
      if (lower.size() == 1) fold_[c] = static_cast<uint8_t>(lower[0]);
    }
    if (c < 0x80) {
      bool upper = c >= 'A' && c <= 'Z';
      asciiFold_ = asciiFold_ && fold_[c] == (upper && !caseSensitive ? c + 32 : c);
    }
  }
  foldOnly_ = !wholeWord && !ignorePunctuation && !doubleByte_;
  for (int c = 0; c < 256; ++c)
    commonness_[c] = static_cast<uint8_t>(Commonness(static_cast<unsigned char>(c)));
  // The steps in order, per byte: fold, drop punctuation, turn what is not
  // a letter or digit into a gap.
  for (int c = 0; c < 256; ++c) {
    uint8_t folded = fold_[c];
    bool dropped = ignorePunctuation && IsPunctuation(folded);
    bool gap = !dropped && wholeWord && !wordChar[folded];
    keep_[c] = !dropped && !gap;
    gap_[c] = gap;
    out_[c] = gap ? ' ' : folded;
    notGap_[c] = !gap;
  }
}

void TextPreparer::Prepare(std::string_view text, std::string* out) const {
  out->resize(text.size() + 2);
  char* begin = &(*out)[0];
  const unsigned char* in = reinterpret_cast<const unsigned char*>(text.data());
  out->resize(static_cast<size_t>(PrepareOne(in, text.size(), false, begin) - begin));
}

void TextPreparer::PrepareFields(std::string_view fields, int count, int firstStored,
                                 std::string* out, Span* spans) const {
  if (count <= 0) {
    out->clear();
    return;
  }
  const size_t n = fields.size();
  out->resize(n + 3 * static_cast<size_t>(count));
  char* const begin = &(*out)[0];
  const unsigned char* in = reinterpret_cast<const unsigned char*>(fields.data());
  if (foldOnly_) {
    bool backslash = false;
    out->resize(FoldFields(in, n, count, spans, begin, &backslash));
    for (int f = firstStored; backslash && f < count; ++f)
      MarkLineBreaks(in, spans[f].begin, spans[f].end, begin);
    return;
  }
  char* o = begin;
  size_t at = 0;
  int f = 0;
  for (; f < count && (f == 0 || at <= n); ++f) {
    const void* tab = std::memchr(in + at, '\t', n - at);
    size_t end = tab ? static_cast<size_t>(static_cast<const unsigned char*>(tab) - in) : n;
    if (f > 0) *o++ = '\t';
    spans[f].begin = static_cast<size_t>(o - begin);
    o = PrepareOne(in + at, end - at, f >= firstStored, o);
    spans[f].end = static_cast<size_t>(o - begin);
    at = end + 1;  // past n when the line has no more fields
  }
  // Fields the line does not have are empty, at the end.
  for (; f < count; ++f) spans[f].begin = spans[f].end = static_cast<size_t>(o - begin);
  out->resize(static_cast<size_t>(o - begin));
}

char* TextPreparer::PrepareOne(const unsigned char* in, size_t n, bool stored, char* o) const {
  if (foldOnly_) {
    for (size_t i = 0; i < n; ++i) o[i] = static_cast<char>(fold_[in[i]]);
    if (stored) MarkLineBreaks(in, 0, n, o);
    return o + n;
  }
  bool careful = doubleByte_ || (stored && n > 0 && std::memchr(in, '\\', n));
  if (wholeWord_) *o++ = ' ';  // framing, which ignorePunctuation leaves
  o = careful ? TransformCarefully(in, n, stored, o) : Transform(in, n, o);
  // Only gaps are written as blanks, so the last blank tells of a gap.
  if (wholeWord_ && o[-1] != ' ') *o++ = ' ';
  return o;
}

size_t TextPreparer::FoldFields(const unsigned char* in, size_t n, int count, Span* spans, char* o,
                                bool* backslash) const {
  constexpr uint64_t kOnes = 0x0101010101010101ull;
  constexpr uint64_t kHigh = 0x8080808080808080ull;
  constexpr uint64_t kTabs = 0x0909090909090909ull;
  constexpr uint64_t kBackslashes = 0x5C5C5C5C5C5C5C5Cull;
  int f = 0;
  spans[0].begin = 0;
  // One character at a time; false when the last field has ended.
  auto one = [&](size_t k) {
    unsigned char c = in[k];
    if (c == '\\') *backslash = true;
    if (c == '\t') {
      spans[f].end = k;
      if (++f == count) return false;
      spans[f].begin = k + 1;
    }
    o[k] = static_cast<char>(fold_[c]);
    return true;
  };
  size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    uint64_t x;
    std::memcpy(&x, in + i, 8);
    // Some byte is a tab or a backslash: those are looked at one by one.
    uint64_t t = x ^ kTabs, b = x ^ kBackslashes;
    bool special = (((t - kOnes) & ~t) | ((b - kOnes) & ~b)) & kHigh;
    if (special || !asciiFold_ || (x & kHigh)) {
      for (size_t k = i; k < i + 8; ++k)
        if (!one(k)) return k;
      continue;
    }
    if (!caseSensitive_) {
      // The high bit of each byte that is at least "A" and not above "Z".
      uint64_t upper = (x + 0x3F3F3F3F3F3F3F3Full) & ~(x + 0x2525252525252525ull) & kHigh;
      x |= upper >> 2;
    }
    std::memcpy(o + i, &x, 8);
  }
  for (; i < n; ++i)
    if (!one(i)) return i;
  spans[f].end = n;
  for (++f; f < count; ++f) spans[f].begin = spans[f].end = n;
  return n;
}

char* TextPreparer::Transform(const unsigned char* in, size_t n, char* o) const {
  // One pass without branches: every character is written as it comes out
  // (a gap as a blank), and the pointer moves on when it is kept, or when
  // it is a gap after a word character, so that a run of gaps becomes one
  // blank; a dropped character leaves the state as it was. The output
  // always starts after a blank when words are whole (the framing);
  // without whole words there are no gaps. The state is carried in two
  // operations per character, the rest does not wait for it.
  unsigned afterWord = 0;
  for (size_t i = 0; i < n; ++i) {
    unsigned c = in[i];
    // All read before the write, which could alias the tables.
    unsigned kept = keep_[c], gap = gap_[c], notGap = notGap_[c];
    char value = static_cast<char>(out_[c]);
    *o = value;
    o += kept | (gap & afterWord);
    afterWord = kept | (afterWord & notGap);
  }
  return o;
}

char* TextPreparer::TransformCarefully(const unsigned char* in, size_t n, bool stored,
                                       char* o) const {
  auto emit = [&](unsigned char c) {
    if (keep_[c]) {
      *o++ = static_cast<char>(out_[c]);
    } else if (gap_[c] && o[-1] != ' ') {
      *o++ = ' ';
    }
  };
  for (size_t i = 0; i < n; ++i) {
    unsigned char c = in[i];
    if (IsLead(c) && i + 1 < n) {
      *o++ = static_cast<char>(c);  // a whole character: kept, and a letter
      *o++ = static_cast<char>(in[++i]);
    } else if (stored && c == '\\' && i + 1 < n && in[i + 1] == 'n') {
      emit('\r');
      emit('\n');
      ++i;
    } else {
      emit(c);
    }
  }
  return o;
}

void TextPreparer::FilterTerm(std::string_view preparedTerm) {
  run_.clear();
  if (foldOnly_ || doubleByte_) return;
  size_t at = 0;
  while (at < preparedTerm.size()) {
    size_t end = preparedTerm.find(' ', at);
    if (end == std::string_view::npos) end = preparedTerm.size();
    if (end - at > run_.size()) run_.assign(preparedTerm.substr(at, end - at));
    at = end + 1;
  }
  // A line break in a prepared field may stand for a stored backslash-"n";
  // such a term is left to the full comparison.
  if (run_.size() < 2 || run_.find_first_of("\r\n") != std::string::npos) {
    run_.clear();
    return;
  }
  // The look starts at the run's least common character.
  anchor_ = 0;
  for (size_t k = 1; k < run_.size(); ++k)
    if (commonness_[static_cast<uint8_t>(run_[k])] <
        commonness_[static_cast<uint8_t>(run_[anchor_])])
      anchor_ = k;
  int found = 0;
  for (int c = 0; c < 256; ++c) {
    anchorBytes_[c] = keep_[c] && out_[c] == static_cast<uint8_t>(run_[anchor_]);
    if (!anchorBytes_[c]) continue;
    if (found < 2) anchorByte_[found] = static_cast<uint8_t>(c);
    ++found;
  }
  anchorByteCount_ = found;
}

bool TextPreparer::RunAround(const unsigned char* in, size_t n, size_t i) const {
  // The prepared text runs on through kept characters and skips dropped
  // ones; a gap (a blank there) ends the run.
  size_t k = anchor_;
  for (size_t j = i; k > 0 && j-- > 0;) {
    unsigned char c = in[j];
    if (keep_[c]) {
      if (out_[c] != static_cast<uint8_t>(run_[k - 1])) return false;
      --k;
    } else if (gap_[c]) {
      return false;
    }
  }
  if (k > 0) return false;
  const size_t m = run_.size();
  k = anchor_ + 1;
  for (size_t j = i + 1; j < n && k < m; ++j) {
    unsigned char c = in[j];
    if (keep_[c]) {
      if (out_[c] != static_cast<uint8_t>(run_[k])) return false;
      ++k;
    } else if (gap_[c]) {
      return false;
    }
  }
  return k == m;
}

bool TextPreparer::RawMayContain(std::string_view raw) const {
  if (run_.empty()) return true;
  const unsigned char* in = reinterpret_cast<const unsigned char*>(raw.data());
  const size_t n = raw.size();
  size_t i = 0;
  if (anchorByteCount_ <= 2) {
    // Eight bytes at a time while none of them can be the anchor (the
    // usual case; a byte found here is looked at again below).
    constexpr uint64_t kOnes = 0x0101010101010101ull;
    constexpr uint64_t kHigh = 0x8080808080808080ull;
    const uint64_t a = kOnes * anchorByte_[0];
    const uint64_t b = kOnes * anchorByte_[anchorByteCount_ == 2 ? 1 : 0];
    for (; i + 8 <= n; i += 8) {
      uint64_t x;
      std::memcpy(&x, in + i, 8);
      uint64_t xa = x ^ a, xb = x ^ b;
      if (!((((xa - kOnes) & ~xa) | ((xb - kOnes) & ~xb)) & kHigh)) continue;
      for (size_t k = i; k < i + 8; ++k)
        if (anchorBytes_[in[k]] && RunAround(in, n, k)) return true;
    }
  }
  for (; i < n; ++i)
    if (anchorBytes_[in[i]] && RunAround(in, n, i)) return true;
  return false;
}

bool TextPreparer::IsEmptyTerm(std::string_view prepared) const {
  if (!wholeWord_) return prepared.empty();
  return prepared.find_first_not_of(' ') == std::string_view::npos;
}

bool TextPreparer::Contains(std::string_view field, std::string_view term) const {
  const size_t m = term.size();
  if (m == 0) return true;
  if (field.size() < m) return false;
  // The search looks first for the term's least common character.
  size_t anchor = 0;
  for (size_t k = 1; k < m; ++k)
    if (commonness_[static_cast<unsigned char>(term[k])] <
        commonness_[static_cast<unsigned char>(term[anchor])])
      anchor = k;
  const char* data = field.data();
  const char* p = data + anchor;
  const char* last = data + field.size() - (m - anchor);  // the last place for the anchor
  size_t boundary = 0;
  while (p <= last) {
    p = static_cast<const char*>(std::memchr(p, term[anchor], static_cast<size_t>(last - p) + 1));
    if (p == nullptr) return false;
    const char* start = p - anchor;
    if (std::memcmp(start, term.data(), m) == 0) {
      if (!doubleByte_) return true;
      // A hit inside a double-byte character (its second byte onwards) is no hit.
      size_t hit = static_cast<size_t>(start - data);
      while (boundary < hit) boundary += IsLead(static_cast<unsigned char>(data[boundary])) ? 2 : 1;
      if (boundary == hit) return true;
    }
    ++p;
  }
  return false;
}

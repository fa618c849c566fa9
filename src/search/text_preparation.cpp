#include "search/text_preparation.h"

#include <cstring>

#include "platform/platform.h"

namespace {
// Blank, hyphen, full stop, comma, colon, semicolon, apostrophe, double quote.
constexpr char kPunctuationChars[] = " -.,:;'\"";
}  // namespace

TextPreparer::TextPreparer(bool caseSensitive, bool wholeWord, bool ignorePunctuation)
    : caseSensitive_(caseSensitive), wholeWord_(wholeWord), ignorePunctuation_(ignorePunctuation) {
  std::string one(1, '\0');
  for (int c = 0; c < 256; ++c) {
    unsigned char byte = static_cast<unsigned char>(c);
    uint8_t kind = 0;
    if (platform::IsLeadByte(byte)) {
      kind = kLead;
      doubleByte_ = true;
    } else if (platform::IsAnsiAlphaNumeric(byte)) {
      kind = kWordChar;
    }
    if (c != 0 && std::strchr(kPunctuationChars, c)) kind |= kPunctuation;
    kind_[c] = kind;
    fold_[c] = byte;
    if (!caseSensitive && !(kind & kLead) && c != 0) {
      one[0] = static_cast<char>(byte);
      std::string lower = platform::LowerAnsiText(one);
      if (lower.size() == 1) fold_[c] = static_cast<uint8_t>(lower[0]);
    }
  }
}

void TextPreparer::Prepare(std::string_view text, std::string* out) const {
  Run(text, false, out);
}

void TextPreparer::PrepareStored(std::string_view stored, std::string* out) const {
  Run(stored, true, out);
}

void TextPreparer::Run(std::string_view text, bool stored, std::string* out) const {
  // Searching prepares every field of every item: the loops write through
  // a pointer into a buffer sized for the worst case.
  const size_t n = text.size();
  out->resize(n + 2);
  char* const begin = &(*out)[0];
  char* o = begin;
  const unsigned char* in = reinterpret_cast<const unsigned char*>(text.data());
  if (!wholeWord_ && !ignorePunctuation_ && !doubleByte_) {
    for (size_t i = 0; i < n; ++i) o[i] = static_cast<char>(fold_[in[i]]);
    // Same length in and out: a stored line break becomes CR LF in place.
    for (size_t i = 0; stored && i + 1 < n; ++i) {
      const void* hit = std::memchr(in + i, '\\', n - i - 1);
      if (!hit) break;
      i = static_cast<size_t>(static_cast<const unsigned char*>(hit) - in);
      if (in[i + 1] == 'n') {
        o[i] = '\r';
        o[++i] = '\n';
      }
    }
    out->resize(n);
    return;
  }
  bool gap = wholeWord_;  // the last character written was a word gap
  auto emit = [&](unsigned char c) {
    if (ignorePunctuation_ && (kind_[c] & kPunctuation)) return;
    if (wholeWord_ && !(kind_[c] & kWordChar)) {
      if (!gap) *o++ = ' ';
      gap = true;
      return;
    }
    *o++ = static_cast<char>(c);
    gap = false;
  };
  if (wholeWord_) *o++ = ' ';  // framing, which ignorePunctuation leaves
  for (size_t i = 0; i < n; ++i) {
    unsigned char c = in[i];
    if (doubleByte_ && IsLead(c) && i + 1 < n) {
      *o++ = static_cast<char>(c);  // a whole character: kept, and a letter
      *o++ = static_cast<char>(in[++i]);
      gap = false;
    } else if (stored && c == '\\' && i + 1 < n && in[i + 1] == 'n') {
      emit('\r');
      emit('\n');
      ++i;
    } else {
      emit(fold_[c]);
    }
  }
  if (wholeWord_ && !gap) *o++ = ' ';
  out->resize(static_cast<size_t>(o - begin));
}

bool TextPreparer::IsEmptyTerm(std::string_view prepared) const {
  if (!wholeWord_) return prepared.empty();
  return prepared.find_first_not_of(' ') == std::string_view::npos;
}

bool TextPreparer::Contains(std::string_view field, std::string_view term) const {
  size_t hit = field.find(term);
  if (!doubleByte_ || hit == std::string_view::npos) return hit != std::string_view::npos;
  // A hit inside a double-byte character (its second byte onwards) is no hit.
  size_t boundary = 0;
  while (hit != std::string_view::npos) {
    while (boundary < hit) boundary += IsLead(static_cast<unsigned char>(field[boundary])) ? 2 : 1;
    if (boundary == hit) return true;
    hit = field.find(term, hit + 1);
  }
  return false;
}

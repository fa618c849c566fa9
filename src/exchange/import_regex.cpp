#include "exchange/import_regex.h"

#include <cstring>

boost::regex ImportPattern(const char* pattern) {
  return boost::regex(pattern, boost::regex::perl | boost::regex::icase | boost::regex::mod_s);
}

bool SearchRange(const boost::regex& pattern, const char* first, const char* last,
                 ImportMatch* match) {
  return boost::regex_search(first, last, *match, pattern);
}

RegexSpaces::RegexSpaces() {
  boost::regex space = ImportPattern("\\s");
  for (int c = 0; c < 256; ++c) {
    char ch = static_cast<char>(c);
    space_[c] = boost::regex_match(&ch, &ch + 1, space);
  }
}

namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool SpellsAt(std::string_view text, size_t i, std::string_view word) {
  for (size_t k = 0; k < word.size(); ++k)
    if (LowerAscii(text[i + k]) != word[k]) return false;
  return true;
}

}  // namespace

size_t FindNoCase(std::string_view text, size_t from, size_t to, std::string_view word) {
  if (to > text.size()) to = text.size();
  if (word.empty() || from > to || to - from < word.size()) return std::string_view::npos;
  size_t last = to - word.size();  // the last place a match can start
  // A character that has no other case is found with memchr, the rest of
  // the word checked around it.
  size_t anchor = 0;
  while (anchor < word.size() && IsLetter(word[anchor])) ++anchor;
  if (anchor == word.size()) {
    for (size_t i = from; i <= last; ++i)
      if (SpellsAt(text, i, word)) return i;
    return std::string_view::npos;
  }
  for (size_t i = from + anchor; i <= last + anchor;) {
    const void* hit = std::memchr(text.data() + i, word[anchor], last + anchor + 1 - i);
    if (!hit) break;
    size_t at = static_cast<size_t>(static_cast<const char*>(hit) - text.data());
    if (SpellsAt(text, at - anchor, word)) return at - anchor;
    i = at + 1;
  }
  return std::string_view::npos;
}

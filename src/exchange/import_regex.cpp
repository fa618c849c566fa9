#include "exchange/import_regex.h"

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

size_t FindNoCase(std::string_view text, size_t from, size_t to, std::string_view word) {
  if (to > text.size()) to = text.size();
  if (word.empty() || from > to || to - from < word.size()) return std::string_view::npos;
  for (size_t i = from; i + word.size() <= to; ++i) {
    size_t k = 0;
    while (k < word.size()) {
      char c = text[i + k];
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
      if (c != word[k]) break;
      ++k;
    }
    if (k == word.size()) return i;
  }
  return std::string_view::npos;
}

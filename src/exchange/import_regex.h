// Regular expressions of the importers: Perl syntax, case-insensitive, "."
// matching line breaks. Searching can throw when a match grows too complex
// (or memory runs out); the importers catch that and fail with -1.
#pragma once

#include <boost/regex.hpp>
#include <string>
#include <string_view>

using ImportMatch = boost::match_results<const char*>;

boost::regex ImportPattern(const char* pattern);

// Unanchored search within [first, last); "\A" matches at first.
bool SearchRange(const boost::regex& pattern, const char* first, const char* last,
                 ImportMatch* match);
inline bool SearchIn(const boost::regex& pattern, std::string_view text, ImportMatch* match) {
  return SearchRange(pattern, text.data(), text.data() + text.size(), match);
}

// Group n of a match as text (empty when it did not take part).
inline std::string_view Group(const ImportMatch& match, int n) {
  if (!match[n].matched) return {};
  return std::string_view(match[n].first, static_cast<size_t>(match[n].second - match[n].first));
}

// Which bytes "\s" matches with the importers' pattern settings, so that a
// scan can skip white space exactly as a pattern would.
class RegexSpaces {
 public:
  RegexSpaces();
  bool Is(char c) const { return space_[static_cast<unsigned char>(c)]; }

 private:
  bool space_[256];
};

// Case-insensitive (ASCII) search for a lower-case word in [from, to);
// std::string_view::npos when absent.
size_t FindNoCase(std::string_view text, size_t from, size_t to, std::string_view word);

// The tags a Netscape bookmark file is walked by, found in one pass: the
// list tokens "<dl>", "</dl>", "<dt>", "<hr>" and the elements "<h3 ...>
// ...</h3>" and "<a ...>...</a>" that follow a "<dt>". Answers the same
// questions as the searches
//   T  "<dl>|</dl>|<dt>|<hr>"
//   E  " *(<h3[ >].*?</h3>|<a .*?</a>)"
// (case-insensitive, "." matching line breaks) from any position, without
// rescanning the text: a search for an element whose closing tag is missing
// costs a lookup, not a scan to the end of the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/platform.h"

enum class ListToken : uint8_t { kListStart, kListEnd, kEntry, kRule };

struct ListTokenAt {
  size_t pos;
  ListToken kind;
};

class NetscapeTags {
 public:
  explicit NetscapeTags(std::string_view text);

  const platform::LargeTable<ListTokenAt>& Tokens() const { return tokens_; }
  // The first token that starts at or after pos (Tokens().size() if none).
  size_t TokenAtOrAfter(size_t pos) const;
  static size_t TokenLength(ListToken kind);

  // The element E finds searching from pos: [start, end) from its "<" to
  // the end of its closing tag. False when there is none.
  bool FindElement(size_t pos, size_t* start, size_t* end) const;

  // For the "<dt>" token k: the element E finds after it, as FindElement
  // from the end of the token, worked out for all entries in one pass.
  struct Entry {
    size_t start, end;  // start == npos: none
    size_t next;        // the first token at or after end
  };
  const Entry& EntryAfter(size_t k) const { return entries_[k]; }

 private:
  void FindEntries();

  // Filled in one pass over the file: large tables (platform.h).
  platform::LargeTable<ListTokenAt> tokens_;
  platform::LargeTable<Entry> entries_;                      // by token; filled for "<dt>" tokens
  platform::LargeTable<size_t> linkOpen_, linkClose_;        // "<a ", "</a>"
  platform::LargeTable<size_t> headingOpen_, headingClose_;  // "<h3 " or "<h3>", "</h3>"
};

// The searches the tag index stands in for, as the importer defines them
// (kept for the tests that hold the two side by side).
constexpr char kNetscapeTokenPattern[] = "<dl>|</dl>|<dt>|<hr>";
constexpr char kNetscapeElementPattern[] = " *(<h3[ >].*?</h3>|<a .*?</a>)";

#include "exchange/netscape_tags.h"

#include <algorithm>
#include <cstring>

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

// True when text at pos spells word (lower-case ASCII) in any case.
bool Spells(std::string_view text, size_t pos, const char* word, size_t length) {
  if (text.size() - pos < length) return false;
  for (size_t i = 0; i < length; ++i)
    if (Lower(text[pos + i]) != word[i]) return false;
  return true;
}

using Positions = platform::LargeTable<size_t>;

size_t FirstAtOrAfter(const Positions& positions, size_t pos) {
  auto it = std::lower_bound(positions.begin(), positions.end(), pos);
  return it == positions.end() ? std::string_view::npos : *it;
}

// The first opening tag at or after pos that a closing tag follows at or
// after its own offset `closeFrom`; npos if none. A later opening cannot
// succeed where an earlier one failed, so one lookup decides.
size_t FirstClosedOpening(const Positions& open, const Positions& close, size_t pos,
                          size_t closeFrom) {
  size_t first = FirstAtOrAfter(open, pos);
  if (first == std::string_view::npos || close.empty() || first + closeFrom > close.back())
    return std::string_view::npos;
  return first;
}

}  // namespace

NetscapeTags::NetscapeTags(std::string_view text) {
  const char* data = text.data();
  size_t n = text.size();
  // Room for more tags than a real file has (an entry takes well over 64
  // bytes), so that the tables never regrow and copy themselves; pages of
  // the room that no tag reaches are never touched.
  tokens_.reserve(n / 64);
  linkOpen_.reserve(n / 128);
  linkClose_.reserve(n / 128);
  for (size_t i = 0; i < n;) {
    const void* hit = std::memchr(data + i, '<', n - i);
    if (!hit) break;
    size_t p = static_cast<size_t>(static_cast<const char*>(hit) - data);
    i = p + 1;
    if (p + 1 >= n) break;
    char c1 = Lower(data[p + 1]);
    if (c1 == 'd') {
      if (Spells(text, p, "<dl>", 4))
        tokens_.push_back({p, ListToken::kListStart});
      else if (Spells(text, p, "<dt>", 4))
        tokens_.push_back({p, ListToken::kEntry});
    } else if (c1 == 'h') {
      if (Spells(text, p, "<hr>", 4))
        tokens_.push_back({p, ListToken::kRule});
      else if (Spells(text, p, "<h3", 3) && p + 3 < n && (data[p + 3] == ' ' || data[p + 3] == '>'))
        headingOpen_.push_back(p);
    } else if (c1 == 'a') {
      if (p + 2 < n && data[p + 2] == ' ') linkOpen_.push_back(p);
    } else if (c1 == '/') {
      if (Spells(text, p, "</dl>", 5))
        tokens_.push_back({p, ListToken::kListEnd});
      else if (Spells(text, p, "</a>", 4))
        linkClose_.push_back(p);
      else if (Spells(text, p, "</h3>", 5))
        headingClose_.push_back(p);
    }
  }
  FindEntries();
}

void NetscapeTags::FindEntries() {
  entries_.assign(tokens_.size(), Entry{std::string_view::npos, 0, 0});
  for (size_t k = 0; k < tokens_.size(); ++k) {
    if (tokens_[k].kind != ListToken::kEntry) continue;
    Entry& e = entries_[k];
    if (FindElement(tokens_[k].pos + 4, &e.start, &e.end)) {
      // Tokens only start after this one, so the search can begin there.
      auto it =
          std::lower_bound(tokens_.begin() + static_cast<std::ptrdiff_t>(k) + 1, tokens_.end(),
                           e.end, [](const ListTokenAt& t, size_t p) { return t.pos < p; });
      e.next = static_cast<size_t>(it - tokens_.begin());
    } else {
      e.start = std::string_view::npos;
      e.next = k + 1;
    }
  }
}

size_t NetscapeTags::TokenAtOrAfter(size_t pos) const {
  auto it = std::lower_bound(tokens_.begin(), tokens_.end(), pos,
                             [](const ListTokenAt& t, size_t p) { return t.pos < p; });
  return static_cast<size_t>(it - tokens_.begin());
}

size_t NetscapeTags::TokenLength(ListToken kind) { return kind == ListToken::kListEnd ? 5 : 4; }

bool NetscapeTags::FindElement(size_t pos, size_t* start, size_t* end) const {
  // "<a " then the first "</a>" after it; "<h3" plus a blank or ">" then
  // the first "</h3>" after it. The leading " *" of E only moves where the
  // whole match starts, never which element it finds.
  size_t link = FirstClosedOpening(linkOpen_, linkClose_, pos, 3);
  size_t heading = FirstClosedOpening(headingOpen_, headingClose_, pos, 4);
  if (link == std::string_view::npos && heading == std::string_view::npos) return false;
  if (heading == std::string_view::npos || (link != std::string_view::npos && link < heading)) {
    *start = link;
    *end = FirstAtOrAfter(linkClose_, link + 3) + 4;
  } else {
    *start = heading;
    *end = FirstAtOrAfter(headingClose_, heading + 4) + 5;
  }
  return true;
}

// The advanced-search option set as the settings keep it: the 28-byte record
// of the search engine, carried as bytes. The search engine gives the bytes
// their meaning; the settings only store, migrate and compare them.
//
// Byte layout (one byte per flag or small number unless noted):
//   0 titles, 1 notes, 2 keywords, 3 addresses, 4 within previous results,
//   5 exclude SmartFolders, 6 case sensitive, 7 whole word,
//   8 ignore punctuation, 9 rating filter, 10 rating mode, 11 rating value,
//   12 include unrated, 13 date filter, 14 date field, 15 "more than",
//   16-17 days (16-bit, little-endian), 18 status filter, 19 status value,
//   20-23 date threshold (32-bit, little-endian), 24 show highlighted,
//   25 show as a list, 26 search all lists, 27 unused.
#pragma once

#include <array>
#include <cstdint>
#include <string>

constexpr int kSearchOptionsSize = 28;

struct StoredSearchOptions {
  // Defaults: search titles, notes, keywords and addresses, rating value 1,
  // show the results by highlighting.
  std::array<uint8_t, kSearchOptionsSize> bytes = {1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0,
                                                   0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0};
};

inline bool operator==(const StoredSearchOptions& a, const StoredSearchOptions& b) {
  return a.bytes == b.bytes;
}

// The stored text of an option set (a preset's "Options"): 56 hex digits.
std::string SearchOptionsText(const StoredSearchOptions& options);
// Parses SearchOptionsText's form (either case); false (options unchanged)
// for any other text.
bool ParseSearchOptionsText(const std::string& text, StoredSearchOptions* options);

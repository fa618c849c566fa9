#include "search/search_options.h"

namespace {

// Byte positions of the stored form.
enum StoredByte : int {
  kByteTitles = 0,
  kByteNotes = 1,
  kByteKeywords = 2,
  kByteAddresses = 3,
  kByteWithinPrevious = 4,
  kByteExcludeSmart = 5,
  kByteCase = 6,
  kByteWholeWord = 7,
  kByteIgnorePunctuation = 8,
  kByteRatingFilter = 9,
  kByteRatingMode = 10,
  kByteRatingValue = 11,
  kByteIncludeUnrated = 12,
  kByteDateFilter = 13,
  kByteDateField = 14,
  kByteDateMoreThan = 15,
  kByteDays = 16,  // 16-17, little-endian
  kByteStatusFilter = 18,
  kByteStatusValue = 19,
  kByteThreshold = 20,  // 20-23, little-endian
  kByteHighlighted = 24,
  kByteAsList = 25,
  kByteAllLists = 26,
};

constexpr uint8_t kLastStatus = 9;

uint8_t InRange(uint8_t value, uint8_t low, uint8_t high) {
  return value < low || value > high ? low : value;
}

}  // namespace

bool operator==(const SearchOptions& a, const SearchOptions& b) {
  return ToStored(a) == ToStored(b);
}

void RefreshDateThreshold(SearchOptions* options, uint32_t now) {
  uint64_t span = static_cast<uint64_t>(options->dateDays) * kSecondsPerDay;
  options->dateThreshold = span > now ? 0 : static_cast<uint32_t>(now - span);
}

StoredSearchOptions ToStored(const SearchOptions& o) {
  StoredSearchOptions s;
  auto& b = s.bytes;
  b.fill(0);
  b[kByteTitles] = o.inTitles;
  b[kByteNotes] = o.inNotes;
  b[kByteKeywords] = o.inKeywords;
  b[kByteAddresses] = o.inAddresses;
  b[kByteWithinPrevious] = o.withinPrevious;
  b[kByteExcludeSmart] = o.excludeSmartFolders;
  b[kByteCase] = o.caseSensitive;
  b[kByteWholeWord] = o.wholeWord;
  b[kByteIgnorePunctuation] = o.ignorePunctuation;
  b[kByteRatingFilter] = o.ratingFilter;
  b[kByteRatingMode] = o.ratingMode;
  b[kByteRatingValue] = o.ratingValue;
  b[kByteIncludeUnrated] = o.includeUnrated;
  b[kByteDateFilter] = o.dateFilter;
  b[kByteDateField] = o.dateField;
  b[kByteDateMoreThan] = o.dateMoreThan;
  b[kByteDays] = static_cast<uint8_t>(o.dateDays & 0xFF);
  b[kByteDays + 1] = static_cast<uint8_t>(o.dateDays >> 8);
  b[kByteStatusFilter] = o.statusFilter;
  b[kByteStatusValue] = o.statusValue;
  for (int i = 0; i < 4; ++i)
    b[kByteThreshold + i] = static_cast<uint8_t>(o.dateThreshold >> (8 * i));
  b[kByteHighlighted] = o.showHighlighted;
  b[kByteAsList] = o.showAsList;
  b[kByteAllLists] = o.searchAllLists;
  return s;
}

SearchOptions FromStored(const StoredSearchOptions& stored, uint32_t now) {
  const auto& b = stored.bytes;
  SearchOptions o;
  o.inTitles = b[kByteTitles] != 0;
  o.inNotes = b[kByteNotes] != 0;
  o.inKeywords = b[kByteKeywords] != 0;
  o.inAddresses = b[kByteAddresses] != 0;
  o.withinPrevious = b[kByteWithinPrevious] != 0;
  o.excludeSmartFolders = b[kByteExcludeSmart] != 0;
  o.caseSensitive = b[kByteCase] != 0;
  o.wholeWord = b[kByteWholeWord] != 0;
  o.ignorePunctuation = b[kByteIgnorePunctuation] != 0;
  o.ratingFilter = b[kByteRatingFilter] != 0;
  o.ratingMode = InRange(b[kByteRatingMode], kRatingAtLeast, kRatingUnrated);
  o.ratingValue = InRange(b[kByteRatingValue], 1, 5);
  o.includeUnrated = b[kByteIncludeUnrated] != 0;
  o.dateFilter = b[kByteDateFilter] != 0;
  o.dateField = InRange(b[kByteDateField], kDateLastVisited, kDateSiteUpdated);
  o.dateMoreThan = b[kByteDateMoreThan] != 0;
  o.dateDays = static_cast<uint16_t>(b[kByteDays] | (b[kByteDays + 1] << 8));
  o.statusFilter = b[kByteStatusFilter] != 0;
  o.statusValue = InRange(b[kByteStatusValue], 0, kLastStatus);
  o.showHighlighted = b[kByteHighlighted] != 0;
  o.showAsList = b[kByteAsList] != 0;
  o.searchAllLists = b[kByteAllLists] != 0;
  // Results are shown one way or the other ("both" sets both).
  if (!o.showHighlighted && !o.showAsList) o.showHighlighted = true;
  // The stored threshold is as old as the preset: count the days from now.
  RefreshDateThreshold(&o, now);
  return o;
}

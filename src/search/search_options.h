// One set of search options: the simple search keeps one, the advanced
// dialog another, and every preset one more (stored as 28 bytes by the
// settings).
#pragma once

#include <cstdint>

#include "settings/stored_search_options.h"

// ratingMode
constexpr uint8_t kRatingAtLeast = 0;
constexpr uint8_t kRatingAtMost = 1;
constexpr uint8_t kRatingUnrated = 2;

// dateField
constexpr uint8_t kDateLastVisited = 0;  // TimeLastVisit
constexpr uint8_t kDateAdded = 1;        // TimeAdded
constexpr uint8_t kDateModified = 2;     // TimeModified
constexpr uint8_t kDateSiteUpdated = 3;  // DateSiteUpdated

constexpr uint32_t kSecondsPerDay = 86400;

struct SearchOptions {
  bool inTitles = true;
  bool inNotes = true;
  bool inKeywords = true;
  bool inAddresses = true;
  bool withinPrevious = false;
  bool excludeSmartFolders = false;
  bool caseSensitive = false;
  bool wholeWord = false;
  bool ignorePunctuation = false;
  bool ratingFilter = false;
  uint8_t ratingMode = kRatingAtLeast;  // 0..2
  uint8_t ratingValue = 1;              // 1..5
  bool includeUnrated = false;
  bool dateFilter = false;
  uint8_t dateField = kDateLastVisited;  // 0..3
  bool dateMoreThan = false;             // false "less than", true "more than"
  uint16_t dateDays = 0;
  bool statusFilter = false;
  uint8_t statusValue = 0;     // a site status, 0..9
  uint32_t dateThreshold = 0;  // now - dateDays days; see RefreshDateThreshold
  bool showHighlighted = true;
  bool showAsList = false;
  bool searchAllLists = false;
};

bool operator==(const SearchOptions& a, const SearchOptions& b);
inline bool operator!=(const SearchOptions& a, const SearchOptions& b) { return !(a == b); }

// dateThreshold = now - dateDays * 86400, or 0 when that lies before 1970.
// Called whenever the days or the date options change, and before a search
// with options that may have been stored a while ago.
void RefreshDateThreshold(SearchOptions* options, uint32_t now);

// The settings' byte form and back. Out-of-range numbers read from the
// registry are brought into range (the first entry of their drop-down);
// the threshold is recomputed from the days for the given time.
StoredSearchOptions ToStored(const SearchOptions& options);
SearchOptions FromStored(const StoredSearchOptions& stored, uint32_t now);

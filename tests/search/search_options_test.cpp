#include "search/search_options.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t kNow = 1600000000;

TEST(SearchOptions, DefaultsAreTheStoredDefaults) {
  SearchOptions defaults;
  RefreshDateThreshold(&defaults, kNow);  // 0 days: the threshold is now
  StoredSearchOptions stored = ToStored(SearchOptions());
  EXPECT_EQ(stored, StoredSearchOptions());
  EXPECT_EQ(FromStored(StoredSearchOptions(), kNow), defaults);
}

TEST(SearchOptions, EveryFieldHasItsOwnByte) {
  SearchOptions o;
  o.inTitles = false;
  o.inNotes = true;
  o.inKeywords = false;
  o.inAddresses = true;
  o.withinPrevious = true;
  o.excludeSmartFolders = true;
  o.caseSensitive = true;
  o.wholeWord = true;
  o.ignorePunctuation = true;
  o.ratingFilter = true;
  o.ratingMode = kRatingAtMost;
  o.ratingValue = 4;
  o.includeUnrated = true;
  o.dateFilter = true;
  o.dateField = kDateSiteUpdated;
  o.dateMoreThan = true;
  o.dateDays = 0x0102;
  o.statusFilter = true;
  o.statusValue = 7;
  o.showHighlighted = false;
  o.showAsList = true;
  o.searchAllLists = true;
  RefreshDateThreshold(&o, kNow);
  StoredSearchOptions s = ToStored(o);
  const uint8_t expected[kSearchOptionsSize] = {0, 1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 4, 1, 1,
                                                3, 1, 2, 1, 1, 7, 0, 0, 0, 0, 0, 1, 1, 0};
  uint32_t threshold = kNow - 0x0102 * kSecondsPerDay;
  for (int i = 0; i < kSearchOptionsSize; ++i) {
    uint8_t want =
        i >= 20 && i < 24 ? static_cast<uint8_t>(threshold >> (8 * (i - 20))) : expected[i];
    EXPECT_EQ(s.bytes[i], want) << "byte " << i;
  }
  EXPECT_EQ(FromStored(s, kNow), o);
  // The text form of the settings carries it unchanged.
  StoredSearchOptions parsed;
  ASSERT_TRUE(ParseSearchOptionsText(SearchOptionsText(s), &parsed));
  EXPECT_EQ(FromStored(parsed, kNow), o);
}

TEST(SearchOptions, StoredValuesAreBroughtIntoRange) {
  StoredSearchOptions s;
  s.bytes[9] = 0xFF;  // any non-zero byte is "on"
  s.bytes[10] = 3;    // rating mode
  s.bytes[11] = 0;    // rating value
  s.bytes[14] = 9;    // date field
  s.bytes[19] = 10;   // status
  s.bytes[24] = 0;    // neither highlighted...
  s.bytes[25] = 0;    // ...nor as a list
  SearchOptions o = FromStored(s, kNow);
  EXPECT_TRUE(o.ratingFilter);
  EXPECT_EQ(o.ratingMode, kRatingAtLeast);
  EXPECT_EQ(o.ratingValue, 1);
  EXPECT_EQ(o.dateField, kDateLastVisited);
  EXPECT_EQ(o.statusValue, 0);
  EXPECT_TRUE(o.showHighlighted);
  s.bytes[11] = 6;
  EXPECT_EQ(FromStored(s, kNow).ratingValue, 1);
}

TEST(SearchOptions, DateThreshold) {
  SearchOptions o;
  o.dateDays = 0xFFFF;
  RefreshDateThreshold(&o, 1000);
  EXPECT_EQ(o.dateThreshold, 0u);  // not before 1970
  o.dateDays = 2;
  RefreshDateThreshold(&o, 1000000);
  EXPECT_EQ(o.dateThreshold, 1000000u - 2 * kSecondsPerDay);
}

TEST(SearchOptions, StoredThresholdIsCountedFromNow) {
  SearchOptions o;
  o.dateFilter = true;
  o.dateDays = 7;
  RefreshDateThreshold(&o, kNow - 100 * kSecondsPerDay);  // stored long ago
  SearchOptions loaded = FromStored(ToStored(o), kNow);
  EXPECT_EQ(loaded.dateThreshold, kNow - 7 * kSecondsPerDay);
}

}  // namespace

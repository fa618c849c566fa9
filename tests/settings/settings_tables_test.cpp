#include "settings/settings_tables.h"

#include <gtest/gtest.h>

#include "settings/stored_search_options.h"

TEST(SettingsTables, ShortOrDamagedRowsReadSafely) {
  RegistryTable table;
  table.rows = {{"Only name"}, {"Bad start", "x.bkl", "abc"}};  // no "index" stored
  Settings settings;
  settings.currentListIndex = 0;
  ListsFromTable(table, &settings);
  ASSERT_EQ(settings.lists.size(), 2u);
  EXPECT_EQ(settings.lists[0].path, "");
  EXPECT_EQ(settings.lists[1].start, 0u);
  EXPECT_EQ(settings.currentListIndex, 0);

  // Presets 0 and 1 always exist; unreadable options fall back to the defaults.
  RegistryTable presets;
  presets.rows = {{"Mine", "term", "not hex"}};
  PresetsFromTable(presets, &settings);
  ASSERT_EQ(settings.searchPresets.size(), 2u);
  EXPECT_EQ(settings.searchPresets[0].name, "Mine");
  EXPECT_EQ(settings.searchPresets[0].match, "term");
  EXPECT_EQ(settings.searchPresets[0].options, StoredSearchOptions());
  EXPECT_EQ(settings.searchPresets[1].name, "Simple");
}

TEST(StoredSearchOptions, TextRoundTripsAndRejectsOtherText) {
  StoredSearchOptions options;
  for (int i = 0; i < kSearchOptionsSize; ++i) options.bytes[i] = static_cast<uint8_t>(i * 37);
  std::string text = SearchOptionsText(options);
  EXPECT_EQ(text.size(), 56u);
  EXPECT_EQ(text.substr(0, 6), "00254A");
  StoredSearchOptions parsed;
  ASSERT_TRUE(ParseSearchOptionsText(text, &parsed));
  EXPECT_EQ(parsed, options);

  std::string lower = text;
  for (char& c : lower) c = static_cast<char>(tolower(c));
  ASSERT_TRUE(ParseSearchOptionsText(lower, &parsed));
  EXPECT_EQ(parsed, options);

  StoredSearchOptions kept;
  for (const std::string& bad :
       {std::string(), text.substr(2), text + "00", "G" + text.substr(1)}) {
    EXPECT_FALSE(ParseSearchOptionsText(bad, &kept)) << bad;
    EXPECT_EQ(kept, StoredSearchOptions());
  }
}

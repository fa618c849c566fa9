#include "exchange/import_sources.h"

#include <gtest/gtest.h>

#include <string>

#include "exchange/chromium_import.h"

namespace {

// Whether one of the filter's ";"-separated entries accepts the file name:
// the name itself or "*.ext".
bool PatternAccepts(const std::string& pattern, const std::string& name) {
  size_t start = 0;
  while (start <= pattern.size()) {
    size_t end = pattern.find(';', start);
    std::string entry = pattern.substr(start, end - start);
    if (entry == name) return true;
    if (entry.rfind("*.", 0) == 0 && name.size() > entry.size() - 1 &&
        name.compare(name.size() - (entry.size() - 1), std::string::npos, entry, 1) == 0)
      return true;
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return false;
}

TEST(ImportSources, ChromiumFamilyRowsFollowTheEarlierRows) {
  const char* const earlierKeys[] = {"iexplore", "firefox", "netscape", "aol",        "compass",
                                     "msn",      "opera",   "palemoon", "powermarks", "safari",
                                     "yahoo",    "start",   "orvand"};
  for (int code = 0; code < 13; ++code) {
    ASSERT_NE(ImportSourceAt(code), nullptr);
    EXPECT_STREQ(ImportSourceAt(code)->key, earlierKeys[code]) << code;
    EXPECT_EQ(ImportSourceByKey(earlierKeys[code]), code);
  }
  const char* const names[] = {"Chrome bookmarks", "Edge bookmarks", "Brave bookmarks",
                               "Vivaldi bookmarks", "Opera bookmarks"};
  for (int code = 13; code < 18; ++code) {
    const ImportSource* row = ImportSourceAt(code);
    ASSERT_NE(row, nullptr);
    EXPECT_STREQ(row->displayName, names[code - 13]);
    EXPECT_STREQ(row->kindSuffix, " Bookmarks file");
    EXPECT_STREQ(row->defaultFile, "Bookmarks");
    EXPECT_TRUE(PatternAccepts(row->pattern, "Bookmarks")) << row->pattern;
    EXPECT_EQ(row->import, ImportChromiumBookmarks);
    EXPECT_EQ(ImportSourceByKey(row->key), code) << "keys are unique: " << row->key;
  }
  EXPECT_EQ(ImportSourceAt(18), nullptr);
  EXPECT_EQ(ImportSourceAt(-1), nullptr);
}

TEST(ImportSources, FirstChoiceFollowsTheDefaultBrowser) {
  const struct {
    const char* browser;
    int code;
  } cases[] = {{"Netscape Navigator", 2},
               {"netscape", 2},
               {"Opera", 6},
               {"Opera GX", 17},
               {"Google Chrome", 13},
               {"chrome", 13},
               {"msedge", 14},
               {"Microsoft Edge", 14},
               {"Brave", 15},
               {"Vivaldi", 16},
               {"Chromium", 0},
               {"Firefox", 0},
               {"Internet Explorer", 0},
               {"", 0}};
  for (const auto& c : cases) EXPECT_EQ(InitialImportSource(c.browser), c.code) << c.browser;
}

}  // namespace

#include "list/smart_folders.h"

#include <gtest/gtest.h>

#include <vector>

#include "list/list_file.h"
#include "list/visits.h"
#include "support/list_test_support.h"

namespace {

// A new list (with its SmartFolders) and one subcategory of bookmarks.
class SmartFolders : public ::testing::Test {
 protected:
  void SetUp() override {
    clock.Attach(list);
    std::string path = dir.Path("l.bkl");
    ASSERT_EQ(CreateListFile(path, false), CreateResult::Ok);
    ASSERT_EQ(listtest::Open(list, path), ListResult::ReadWrite);
    BookmarkItem r;
    r.level = kLevelCategory;
    r.title = "Web";
    list.AddItem(0, r, 0);
    r.level = kLevelSubcategory;
    list.AddItem(0, r, 0);
  }
  uint16_t Add(const std::string& title, uint16_t visits = 0, uint32_t timeAdded = 0) {
    BookmarkItem r;
    r.level = kLevelBookmark;
    r.title = title;
    r.url = "http://" + title + "/";
    r.visits = visits;
    r.timeAdded = timeAdded;
    return list.AddItem(0, r, 0);
  }
  // Titles of the folder's entries, in outline order.
  std::vector<std::string> Titles(int type) {
    std::vector<std::string> titles;
    uint16_t folder = list.smartFolderIndex[type];
    for (uint16_t i = list.Next(folder, true); i != 0 && list.Level(i) == kLevelBookmark;
         i = list.Next(i, true)) {
      EXPECT_TRUE(list.IsAlias(i));
      titles.push_back(list.Decode(i, true).title);
    }
    return titles;
  }
  // Shows the folder in the third column, running its maintenance rule.
  void Show(int type) {
    list.FillColumn(0, list.smartFolderIndex[kSmartFolders]);
    list.FillColumn(1, list.smartFolderIndex[type]);
    list.FillColumn(2, 0);
  }
  using Titles_ = std::vector<std::string>;
  listtest::TempFolder dir;
  listtest::ManualClock clock;
  BookmarkList list;
};

TEST_F(SmartFolders, FavoritesTakeEachBookmarkOnceAndSortByTitle) {
  uint16_t b = Add("beta"), a = Add("Alpha"), c = Add("gamma");
  EXPECT_EQ(AddToSmartFolder(list, kSmartFavorites, b), 1);
  EXPECT_EQ(AddToSmartFolder(list, kSmartFavorites, c), 1);
  EXPECT_EQ(AddToSmartFolder(list, kSmartFavorites, a), 1);
  EXPECT_EQ(Titles(kSmartFavorites), (Titles_{"Alpha", "gamma", "beta"}));  // newest on top
  uint16_t alias = list.Next(list.smartFolderIndex[kSmartFavorites], false);
  EXPECT_EQ(AddToSmartFolder(list, kSmartFavorites, alias), 0);  // through an alias: same bookmark
  Show(kSmartFavorites);
  EXPECT_EQ(Titles(kSmartFavorites), (Titles_{"Alpha", "beta", "gamma"}));
  EXPECT_EQ(list.columns[2].entries.size(), 3u);
  list.settings.maxSmartItems = 0;  // does not limit Favorites
  EXPECT_EQ(AddToSmartFolder(list, kSmartFavorites, Add("delta")), 1);
  EXPECT_EQ(AddToSmartFolder(list, kSmartRecentlyAdded, a), -1);
  EXPECT_EQ(AddToSmartFolder(list, kSmartFavorites, list.smartFolderIndex[kSmartFavorites]), -1);
}

TEST_F(SmartFolders, RecentlyAddedMovesAnExistingEntryToTheTopAndDropsTheOldest) {
  list.settings.maxSmartItems = 2;
  uint16_t a = Add("a", 0, 100), b = Add("b", 0, 200), c = Add("c", 0, 50);
  AddToSmartFolder(list, kSmartRecentlyAdded, a);
  AddToSmartFolder(list, kSmartRecentlyAdded, b);
  EXPECT_EQ(Titles(kSmartRecentlyAdded), (Titles_{"b", "a"}));
  EXPECT_EQ(AddToSmartFolder(list, kSmartRecentlyAdded, a), 0);
  EXPECT_EQ(Titles(kSmartRecentlyAdded), (Titles_{"a", "b"}));
  EXPECT_EQ(AddToSmartFolder(list, kSmartRecentlyAdded, c), 1);  // added, then the oldest goes
  EXPECT_EQ(Titles(kSmartRecentlyAdded), (Titles_{"a", "b"}));
  EXPECT_FALSE(list.TestFlags(c, kFlagHasAliases));  // its only alias went again
  EXPECT_TRUE(list.TestFlags(a, kFlagHasAliases));
}

TEST_F(SmartFolders, VisitsFeedRecentlyAndFrequentlyVisited) {
  list.settings.maxSmartItems = 2;
  uint16_t a = Add("a"), b = Add("b"), c = Add("c");
  for (uint16_t i : {a, b, c}) {
    clock.now += 100;
    RecordVisit(list, i);
  }
  // Recently visited keeps the two latest visits; on filling, latest first.
  EXPECT_EQ(Titles(kSmartRecentlyVisited), (Titles_{"c", "b"}));
  Show(kSmartRecentlyVisited);
  EXPECT_EQ(Titles(kSmartRecentlyVisited), (Titles_{"c", "b"}));
  clock.now += 100;
  RecordVisit(list, b);
  EXPECT_EQ(Titles(kSmartRecentlyVisited), (Titles_{"c", "b"}));  // already there: stays put
  Show(kSmartRecentlyVisited);
  EXPECT_EQ(Titles(kSmartRecentlyVisited), (Titles_{"b", "c"}));
}

TEST_F(SmartFolders, FrequentlyVisitedAdmissionThreshold) {
  list.settings.maxSmartItems = 2;
  uint16_t five = Add("five", 5), three = Add("three", 3), four = Add("four", 4);
  uint16_t two = Add("two", 2), alsoThree = Add("three again", 3);
  EXPECT_EQ(AddToSmartFolder(list, kSmartFrequentlyVisited, five), 1);
  EXPECT_EQ(AddToSmartFolder(list, kSmartFrequentlyVisited, three), 1);
  EXPECT_EQ(Titles(kSmartFrequentlyVisited), (Titles_{"five", "three"}));  // appended at the end
  EXPECT_EQ(list.frequentThreshold, 0);
  EXPECT_EQ(AddToSmartFolder(list, kSmartFrequentlyVisited, four), 1);
  EXPECT_EQ(Titles(kSmartFrequentlyVisited), (Titles_{"five", "four"}));
  EXPECT_EQ(list.frequentThreshold, 3);  // the smallest count that was dropped
  EXPECT_EQ(AddToSmartFolder(list, kSmartFrequentlyVisited, two), -1);
  EXPECT_EQ(AddToSmartFolder(list, kSmartFrequentlyVisited, alsoThree),
            1);  // admitted, then dropped
  EXPECT_EQ(Titles(kSmartFrequentlyVisited), (Titles_{"five", "four"}));
  RecordVisit(list, four);
  RecordVisit(list, four);  // within a minute: counted once, now 5 like "five"
  Show(kSmartFrequentlyVisited);
  EXPECT_EQ(Titles(kSmartFrequentlyVisited), (Titles_{"five", "four"}));
  clock.now += 61;
  RecordVisit(list, four);
  Show(kSmartFrequentlyVisited);
  EXPECT_EQ(Titles(kSmartFrequentlyVisited), (Titles_{"four", "five"}));
}

// Showing a folder puts its entries in order without counting as a change
// of the list: the order follows from the entries, so nothing is lost when
// it is not saved.
TEST_F(SmartFolders, ShowingASortedFolderDoesNotMarkTheListModified) {
  list.settings.maxSmartItems = 5;
  uint16_t one = Add("one", 1), three = Add("three", 3), two = Add("two", 2);
  for (int type : {kSmartFavorites, kSmartFrequentlyVisited})
    for (uint16_t b : {one, three, two}) AddToSmartFolder(list, type, b);
  for (uint16_t b : {one, three}) {
    clock.now += 100;
    RecordVisit(list, b);
  }
  clock.now += 100;
  RecordVisit(list, one);  // already in Recently visited: stays below "three"
  const struct {
    int type;
    Titles_ before, after;
  } cases[] = {
      {kSmartFavorites, {"two", "three", "one"}, {"one", "three", "two"}},
      {kSmartFrequentlyVisited, {"one", "three", "two"}, {"three", "one", "two"}},
      {kSmartRecentlyVisited, {"three", "one"}, {"one", "three"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.type);
    ASSERT_EQ(Titles(c.type), c.before);
    list.modified = false;
    Show(c.type);
    EXPECT_EQ(Titles(c.type), c.after);
    EXPECT_FALSE(list.modified);
  }
}

TEST_F(SmartFolders, DueVisitScanWorksInBatchesAndPauses) {
  std::vector<uint16_t> due;
  for (int i = 0; i < 450; ++i) {
    uint16_t b = Add("b" + std::to_string(i));
    if (i % 100 == 7) {
      BookmarkItem& r = list.Decode(b, false);
      r.timeDueVisit = clock.now - 10;  // TZ=UTC in the tests: reached
      r.dueVisitInterval = "1w";
      list.Encode(r);
      due.push_back(b);
    }
  }
  uint16_t notYet = Add("later");
  BookmarkItem& r = list.Decode(notYet, false);
  r.timeDueVisit = clock.now + 1000;
  list.Encode(r);
  int calls = 0, addedCalls = 0;
  do {
    addedCalls += DueVisitScan(list) ? 1 : 0;
    ++calls;
  } while (list.dueScanActive);
  EXPECT_EQ(calls, (list.itemCount + 199) / 200);
  EXPECT_GE(addedCalls, 1);
  EXPECT_EQ(Titles(kSmartDueToVisit).size(), due.size());
  EXPECT_FALSE(DueVisitScan(list));  // paused
  EXPECT_FALSE(list.dueScanActive);
  clock.now += 900;
  DueVisitScan(list);
  EXPECT_TRUE(list.dueScanActive);

  // Filling the folder drops entries that are no longer due.
  BookmarkItem& first = list.Decode(due[0], false);
  first.timeDueVisit = clock.now + 2 * 86400;
  list.Encode(first);
  Show(kSmartDueToVisit);
  EXPECT_EQ(list.columns[2].entries.size(), due.size() - 1);
}

}  // namespace

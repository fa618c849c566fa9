// The List View's tables on a small hand-built outline: the rows of each
// view, the entry correction, "Next group", the actions and the cells.
#include "view/list_views.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "list/item_codec.h"
#include "list/list_delete.h"
#include "list/list_marks.h"
#include "support/list_test_support.h"
#include "view/list_view_columns.h"

namespace {

// SmartFolders / Favorites / @B1
// Work / Mail / B1 a.com, B2 b.com, ---, B3 A.COM (due), @B1
//        News / B4 b.com, B5 c.com
// Home / Misc / B6 c.com (deleted later in some cases)
class Views : public ::testing::Test {
 protected:
  void SetUp() override {
    clock.Attach(list);
    smart = Add(kLevelCategory, "SmartFolders", "", kFlagSmartFolder);
    favorites = Add(kLevelSubcategory, "Favorites", "", kFlagSmartFolder | 1);
    favAlias = 0;  // filled once B1 exists
    work = Add(kLevelCategory, "Work");
    mail = Add(kLevelSubcategory, "Mail");
    b1 = Add(kLevelBookmark, "B1", "http://a.com/");
    b2 = Add(kLevelBookmark, "B2", "http://b.com/");
    sep = Add(kLevelBookmark, "", "", kFlagSeparator);
    b3 = Add(kLevelBookmark, "B3", "HTTP://A.COM/");
    alias1 = list.AddAlias(0, b1, IdOf(b1));
    news = Add(kLevelSubcategory, "News");
    b4 = Add(kLevelBookmark, "B4", "http://b.com/");
    b5 = Add(kLevelBookmark, "B5", "http://c.com/");
    home = Add(kLevelCategory, "Home");
    misc = Add(kLevelSubcategory, "Misc");
    b6 = Add(kLevelBookmark, "B6", "http://c.com/");
    favAlias = list.AddAlias(work, b1, IdOf(b1));  // before Work: inside Favorites
    BookmarkItem r;
    list.DecodeInto(b3, false, &r);
    r.timeDueVisit = 1600100000;
    list.Encode(r);
  }
  uint16_t Add(int8_t level, const std::string& title, const std::string& url = "",
               uint16_t flags = 0) {
    BookmarkItem r;
    r.level = level;
    r.title = title;
    r.url = url;
    r.flags = flags;
    if (level == kLevelBookmark && !(flags & kFlagSeparator)) r.flags |= kFlagBookmark;
    return list.AddItem(0, r, 0);
  }
  uint32_t IdOf(uint16_t i) const { return DecodeHead(list.Line(i)).id; }
  std::vector<uint16_t> RowsOf(int entry) { return BuildViewRows(list, entry, source); }

  listtest::ManualClock clock;
  BookmarkList list;
  ListViewSource source;
  uint16_t smart, favorites, favAlias, work, mail, b1, b2, sep, b3, alias1, news, b4, b5, home,
      misc, b6;
};

using Rows = std::vector<uint16_t>;

TEST_F(Views, EachViewListsItsRows) {
  EXPECT_EQ(list.Parent(favAlias), favorites);
  // Marks and search flags of a few items.
  Mark(list, b2, 1, false, false);
  Mark(list, alias1, 1, false, false);
  Mark(list, sep, 1, false, false);
  list.SetFlags(b5, kFlagSearchMatch, 1);
  list.SetFlags(news, kFlagPreviousResult, 1);

  struct Case {
    const char* what;
    int entry;
    uint16_t selected;
    Rows rows;
  };
  const Case cases[] = {
      {"search results: any level, either flag", kViewSearchResults, 0, {news, b5}},
      {"marked bookmarks, aliases too, no separators", kViewMarked, 0, {b2, alias1}},
      {"aliases of the selected target", kViewAliases, b1, {favAlias, b1, alias1}},
      {"aliases from an alias", kViewAliases, alias1, {favAlias, b1, alias1}},
      {"aliases: none selected", kViewAliases, 0, {}},
      {"aliases: a separator selected", kViewAliases, sep, {}},
      {"duplicates of the selected address, case ignored", kViewDuplicatesGrouped, b1, {b1, b3}},
      {"duplicates from an alias", kViewDuplicatesGrouped, alias1, {b1, b3}},
      {"duplicates of the c.com pair", kViewDuplicatesGrouped, b5, {b5, b6}},
      {"all groups, each together, by first member",
       kViewDuplicatesAll,
       0,
       {b1, b3, b2, b4, b5, b6}},
      {"scheduled", kViewScheduled, 0, {b3}},
      {"all bookmarks", kViewAll, 0, {favAlias, b1, b2, b3, alias1, b4, b5, b6}},
  };
  for (const Case& c : cases) {
    source.selectedBookmark = c.selected;
    EXPECT_EQ(RowsOf(c.entry), c.rows) << c.what;
  }
  source.ignoreSmartFolders = true;
  EXPECT_EQ(RowsOf(kViewAll), (Rows{b1, b2, b3, alias1, b4, b5, b6}));
}

TEST_F(Views, PendingNewBookmarkAddressDecidesTheGroupedDuplicates) {
  source.selectedBookmark = b1;
  source.newBookmarkPending = true;
  source.pendingAddress = "http://B.com/";
  EXPECT_EQ(RowsOf(kViewDuplicatesGrouped), (Rows{b2, b4}));
  source.pendingAddress = "";
  EXPECT_EQ(RowsOf(kViewDuplicatesGrouped), Rows{});
  EXPECT_FALSE(ShowsNextGroup(kViewDuplicatesGrouped, true));
  EXPECT_TRUE(ShowsNextGroup(kViewDuplicatesGrouped, false));
  EXPECT_TRUE(ShowsNextGroup(kViewAliases, true));
  EXPECT_FALSE(ShowsNextGroup(kViewAll, false));
}

TEST_F(Views, DeletedViewShowsDeletedItemsOfEveryLevel) {
  EXPECT_EQ(RowsOf(kViewDeleted), Rows{});
  ASSERT_EQ(DeleteItem(list, b6, false), 0);  // takes Misc and Home with it
  EXPECT_EQ(RowsOf(kViewDeleted), (Rows{home, misc, b6}));
  EXPECT_EQ(RowsOf(kViewDuplicatesAll), (Rows{b1, b3, b2, b4}));
}

TEST_F(Views, DuplicatePassCanBeCancelled) {
  int asked = 0;
  source.cancelled = [&] { return ++asked >= 1; };
  // Enough bookmarks that the pass asks at least once.
  for (int n = 0; n < 100; ++n) Add(kLevelBookmark, "X" + std::to_string(n), "http://x.com/");
  bool cancelled = false;
  Rows rows = BuildViewRows(list, kViewDuplicatesAll, source, &cancelled);
  EXPECT_TRUE(cancelled);
  EXPECT_GE(asked, 1);
  EXPECT_LT(rows.size(), 106u);
  source.cancelled = [] { return false; };
  rows = BuildViewRows(list, kViewDuplicatesAll, source, &cancelled);
  EXPECT_FALSE(cancelled);
  EXPECT_EQ(rows.size(), 106u);
}

TEST(ViewEntries, CorrectionBetweenMarkedAndSearchResults) {
  struct Case {
    int entry, searchState;
    bool marked;
    int expected;
  };
  const Case cases[] = {
      {kViewMarked, 0, false, kViewSearchResults},
      {kViewMarked, 2, false, kViewSearchResults},
      {kViewMarked, 3, false, kViewMarked},
      {kViewMarked, 0, true, kViewMarked},
      {kViewSearchResults, 1, true, kViewMarked},
      {kViewSearchResults, 2, true, kViewSearchResults},
      {kViewSearchResults, 1, false, kViewSearchResults},
      {kViewDeleted, 1, true, kViewDeleted},
  };
  for (size_t n = 0; n < sizeof cases / sizeof cases[0]; ++n) {
    const Case& c = cases[n];
    EXPECT_EQ(CorrectViewEntry(c.entry, c.searchState, c.marked), c.expected) << "case " << n;
  }
  EXPECT_EQ(ViewActions(kViewMarked),
            (std::vector<int>{kActionUnmark, kActionOpen, kActionDelete}));
  EXPECT_EQ(ViewActions(kViewDuplicatesGrouped),
            (std::vector<int>{kActionDelete, kActionConvertToAliases, kActionOpen, kActionMark}));
  EXPECT_EQ(ViewActions(kViewDeleted),
            (std::vector<int>{kActionUndelete, kActionDeletePermanently}));
  EXPECT_EQ(ViewActions(kViewScheduled),
            (std::vector<int>{kActionOpen, kActionMark, kActionDelete}));
  EXPECT_STREQ(ViewEntryName(kViewDuplicatesGrouped), "Duplicates (grouped)");
}

TEST_F(Views, HasMarkedBookmarkIgnoresSeparatorsAndContainers) {
  Mark(list, sep, 1, false, false);
  Mark(list, news, 1, false, false);
  EXPECT_FALSE(HasMarkedBookmark(list));
  Mark(list, b4, 1, false, false);
  EXPECT_TRUE(HasMarkedBookmark(list));
}

TEST_F(Views, NextGroupWalksDuplicateGroupsInOrder) {
  // Groups: {b1, b3} (a.com), {b2, b4} (b.com), {b5, b6} (c.com).
  EXPECT_EQ(NextGroupItem(list, kViewDuplicatesGrouped, 0), b1);
  EXPECT_EQ(NextGroupItem(list, kViewDuplicatesGrouped, b1), b2);
  // From a later member of the first group: still the second group.
  EXPECT_EQ(NextGroupItem(list, kViewDuplicatesGrouped, b3), b2);
  EXPECT_EQ(NextGroupItem(list, kViewDuplicatesGrouped, alias1), b2);
  EXPECT_EQ(NextGroupItem(list, kViewDuplicatesGrouped, b4), b5);
  EXPECT_EQ(NextGroupItem(list, kViewDuplicatesGrouped, b5), 0);
  EXPECT_EQ(NextGroupItem(list, kViewDuplicatesGrouped, b6), 0);
}

TEST_F(Views, NextGroupWalksAliasedBookmarks) {
  uint16_t alias4 = list.AddAlias(home, b4, IdOf(b4));  // at the end of News
  EXPECT_EQ(NextGroupItem(list, kViewAliases, 0), b1);
  EXPECT_EQ(NextGroupItem(list, kViewAliases, alias1), b4);
  EXPECT_EQ(NextGroupItem(list, kViewAliases, alias4), 0);
  // A bookmark aliased only in a SmartFolder is no group of its own.
  list.RemoveAlias(alias1);
  EXPECT_EQ(NextGroupItem(list, kViewAliases, 0), b4);
}

TEST_F(Views, SelectItemInColumnsFollowsThePath) {
  SelectItemInColumns(list, b4);
  EXPECT_EQ(list.columns[0].SelectedItem(), work);
  EXPECT_EQ(list.columns[1].SelectedItem(), news);
  EXPECT_EQ(list.columns[2].SelectedItem(), b4);
}

TEST_F(Views, ConvertToAliasesNeedsOneAddress) {
  // Different addresses: nothing changes.
  EXPECT_FALSE(ApplyViewAction(list, kActionConvertToAliases, {b1, b2}));
  EXPECT_FALSE(list.IsAlias(b2));
  // One row is not enough.
  EXPECT_FALSE(ApplyViewAction(list, kActionConvertToAliases, {b1}));

  // B3 modified last: it stays; B1 becomes its alias, and so do the
  // aliases that pointed at B1.
  clock.now += 1000;
  list.Touch(b3);
  BookmarkItem r;
  list.DecodeInto(b1, false, &r);
  r.visits = 4;
  list.Encode(r);
  clock.now += 10;
  list.Touch(b3);
  ASSERT_TRUE(ApplyViewAction(list, kActionConvertToAliases, {b1, b3}));
  EXPECT_TRUE(list.IsAlias(b1));
  EXPECT_FALSE(list.IsAlias(b3));
  EXPECT_EQ(list.Target(b1), b3);
  EXPECT_EQ(list.Target(alias1), b3);
  EXPECT_EQ(list.Target(favAlias), b3);
  // The converted bookmark's line is a plain alias line: no flags of its own.
  EXPECT_EQ(DecodeHead(list.Line(b1)).flags, 0);
  EXPECT_EQ(DecodeHead(list.Line(b1)).aliasId, IdOf(b3));
  EXPECT_TRUE(list.TestFlags(b3, kFlagHasAliases));
  list.DecodeInto(b3, false, &r);
  EXPECT_EQ(r.visits, 4);
  source.selectedBookmark = b3;
  EXPECT_EQ(RowsOf(kViewAliases), (Rows{favAlias, b1, b3, alias1}));
}

TEST_F(Views, DeleteUndeleteAndPurgeThroughActions) {
  const uint32_t before = list.bookmarkCount;
  // The list-view delete leaves an emptied parent in place.
  ASSERT_TRUE(ApplyViewAction(list, kActionDelete, {b6}));
  EXPECT_TRUE(list.IsDeleted(b6));
  EXPECT_FALSE(list.IsDeleted(misc));
  EXPECT_EQ(list.bookmarkCount, before - 1);
  ASSERT_TRUE(ApplyViewAction(list, kActionDelete, {b4, b5}));
  EXPECT_EQ(RowsOf(kViewDeleted), (Rows{b4, b5, b6}));
  ASSERT_TRUE(ApplyViewAction(list, kActionUndelete, {b4, b6}));
  EXPECT_EQ(RowsOf(kViewDeleted), Rows{b5});
  EXPECT_EQ(list.bookmarkCount, before - 1);
  // Permanently: gone from the outline; a live item is refused.
  EXPECT_FALSE(PurgeItem(list, b4));
  ASSERT_TRUE(ApplyViewAction(list, kActionDeletePermanently, {b5}));
  EXPECT_EQ(RowsOf(kViewDeleted), Rows{});
  EXPECT_FALSE(ApplyViewAction(list, kActionUndelete, {b5}));
  EXPECT_EQ(list.bookmarkCount, before - 1);
}

TEST_F(Views, PurgingADeletedContainerTakesItsSubtree) {
  ASSERT_EQ(DeleteItem(list, news, true), 0);
  EXPECT_EQ(RowsOf(kViewDeleted), (Rows{news, b4, b5}));
  ASSERT_TRUE(PurgeItem(list, news));
  EXPECT_EQ(RowsOf(kViewDeleted), Rows{});
  EXPECT_EQ(list.Next(alias1, false), home);
}

TEST_F(Views, MarkAndUnmarkTakeContentsAndContainers) {
  ASSERT_TRUE(ApplyViewAction(list, kActionMark, {b4}));
  EXPECT_TRUE(list.Link(news).flags & kFlagMarked);
  EXPECT_TRUE(list.Link(work).flags & kFlagMarked);
  EXPECT_EQ(list.markedCount[2], 1u);
  ASSERT_TRUE(ApplyViewAction(list, kActionUnmark, {b4}));
  EXPECT_FALSE(list.Link(work).flags & kFlagMarked);
  EXPECT_EQ(list.markedCount[0], 0u);
  EXPECT_FALSE(ApplyViewAction(list, kActionMark, {}));
}

TEST_F(Views, CellTexts) {
  BookmarkItem r;
  list.DecodeInto(b1, false, &r);
  r.password = "secret";
  r.rating = 4;
  r.visits = 7;
  r.notes = EncodeNoteText("one\r\ntwo");
  r.timeLastVisit = clock.now - 90;
  list.Encode(r);
  const uint32_t now = clock.now;
  EXPECT_EQ(ViewCellText(list, b1, kColumnPath, now), "Work > Mail");
  EXPECT_EQ(ViewCellText(list, favAlias, kColumnPath, now), "SmartFolders > Favorites");
  EXPECT_EQ(ViewCellText(list, mail, kColumnPath, now), "Work");
  EXPECT_EQ(ViewCellText(list, work, kColumnPath, now), "");
  EXPECT_EQ(ViewCellText(list, alias1, 5, now), "B1");  // the target's title
  EXPECT_EQ(ViewCellText(list, alias1, 6, now), "http://a.com/");
  EXPECT_EQ(ViewCellText(list, alias1, 4, now), std::to_string(IdOf(b1)));
  EXPECT_EQ(ViewCellText(list, b1, 4, now), "");
  EXPECT_EQ(ViewCellText(list, b1, 7, now), "one two");
  EXPECT_EQ(ViewCellText(list, b1, 10, now), "****");
  EXPECT_EQ(ViewCellText(list, b2, 10, now), "");
  EXPECT_EQ(ViewCellText(list, b1, 13, now), "4");
  EXPECT_EQ(ViewCellText(list, b2, 13, now), "");
  EXPECT_EQ(ViewCellText(list, b1, 15, now), "7");
  EXPECT_EQ(ViewCellText(list, b1, kColumnVisitedAgo, now), "1.5 minutes ago");
  EXPECT_EQ(ViewCellText(list, b2, kColumnVisitedAgo, now), "");
  EXPECT_EQ(ViewCellText(list, b2, 16, now), "");
  EXPECT_FALSE(ViewCellText(list, b1, 16, now).empty());
  EXPECT_FALSE(ViewCellText(list, b3, 18, now).empty());
  EXPECT_EQ(ViewCellText(list, b1, 24, now), "");
}

TEST(ViewColumns, FromAndToSettings) {
  Settings settings;
  std::vector<ViewColumn> columns = ViewColumnsOf(settings);
  ASSERT_EQ(columns.size(), 10u);
  EXPECT_EQ(columns[0].number, 1);
  EXPECT_EQ(columns[0].width, 200);
  EXPECT_EQ(columns[9].number, 6);

  settings.columnOrder.fill(0);
  settings.columnOrder[0] = 5;
  settings.columnOrder[1] = 40;  // unknown: skipped
  settings.columnOrder[2] = 23;
  settings.columnWidths[0] = 1001;  // reset
  settings.columnWidths[2] = 1000;
  columns = ViewColumnsOf(settings);
  ASSERT_EQ(columns.size(), 2u);
  EXPECT_EQ(columns[0].width, kDefaultColumnWidth);
  EXPECT_EQ(columns[1].number, kColumnVisitedAgo);
  EXPECT_EQ(columns[1].width, 1000);
  EXPECT_STREQ(ViewColumnTitle(kColumnVisitedAgo), "Visited");

  Settings stored;
  StoreViewColumns({{6, 300}, {5, 120}}, &stored);
  EXPECT_EQ(stored.columnOrder[0], 6);
  EXPECT_EQ(stored.columnWidths[1], 120);
  EXPECT_EQ(stored.columnOrder[2], 0);
  EXPECT_EQ(ListColumnCount(stored), 2);
}

}  // namespace

#include "exchange/earlier_list_import.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/import_test_support.h"
#include "support/temp_folder.h"

using importtest::ItemAt;
using importtest::Outline;

namespace {

using Rows = std::vector<std::string>;

const std::string kFile =
    "My bookmarks\r\n"
    "<2>Skipped before the first category\r\n"
    "  <1>Category\tignored\r\n"
    "<2>Sub\r\n"
    "http://a/\tA\t\xA6@1600000000\t\xA6+note text\t\xA6?user\t\xA6#7\r\n"
    "alias:7\r\n"
    "alias:99\r\n"
    "alias:7\r\n"
    "---\r\n"
    "<1>Second\r\n"
    "http://b/\tB\r\n"
    "h42\tOdd\r\n"
    "<2>\r\n"
    "<1>Third\r\n"
    "alias:7\r\n"
    "<9>Deep marker\r\n";

TEST(EarlierListImport, Lines) {
  BookmarkList list;
  importtest::FixClock(list);
  ASSERT_EQ(ImportEarlierText(list, kFile, 1), 0);
  EXPECT_EQ(Outline(list), (Rows{"C Category", "S Sub", "B A|http://a/", "A A", "A A", "-B",
                                 "C Second", "S Uncategorized", "B B|http://b/", "B Odd|h42", "-S",
                                 "C Third", "S Uncategorized", "A A", "B |Deep marker"}));
  BookmarkItem a = ItemAt(list, 2);
  EXPECT_EQ(a.timeLastVisit, 1600000000u);
  EXPECT_EQ(a.notes, "note text");
  EXPECT_EQ(a.login, "user");
  EXPECT_EQ(a.rating, 1);
  EXPECT_EQ(a.flags & (kFlagHasAliases | kFlagHasNotes | kFlagHasLogin),
            kFlagHasAliases | kFlagHasNotes | kFlagHasLogin);
  EXPECT_EQ(ItemAt(list, 9).timeLastVisit, 42u);  // a digit second: the old visit field
  EXPECT_EQ(ItemAt(list, 8).timeLastVisit, 0u);
}

TEST(EarlierListImport, NumbersWithoutAliases) {
  BookmarkList list;
  importtest::FixClock(list);
  ASSERT_EQ(ImportEarlierText(list, "<1>C\nhttp://a/\tA\t\xA6#3\nalias:4\n", 0), 0);
  EXPECT_EQ(Outline(list), (Rows{"C C", "S Uncategorized", "B A|http://a/"}));
  EXPECT_FALSE(ItemAt(list, 2).flags & kFlagHasAliases);  // no alias was placed
  BookmarkList empty;
  EXPECT_EQ(ImportEarlierText(empty, "no category line at all\nhttp://x/\tX\n", 0), 0);
  EXPECT_EQ(empty.itemCount, 0);
}

TEST(EarlierListImport, FileAndRoundTrip) {
  TempFolder folder;
  std::string path = folder.Path("old.txt");
  importtest::WriteFile(path, kFile);
  BookmarkList list;
  importtest::FixClock(list);
  ASSERT_EQ(ImportEarlierList(list, path, 0), 0);
  importtest::ExpectRoundTrip(list, folder.Path("round.bkl"));
  EXPECT_EQ(ImportEarlierList(list, folder.Path("missing.txt"), 0), -1);
}

}  // namespace

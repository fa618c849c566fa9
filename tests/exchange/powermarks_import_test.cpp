#include "exchange/powermarks_import.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "exchange/import_outline.h"
#include "exchange/import_regex.h"
#include "exchange/import_text.h"
#include "support/import_test_support.h"
#include "support/temp_folder.h"

using importtest::ItemAt;
using importtest::Outline;

namespace {

using Rows = std::vector<std::string>;

const std::string kFile =
    "<html><body><dl>\n"
    "<dt><a href=\"http://a/\">alpha page</a>\n"
    "<dd><!--keywords-->alpha beta  gamma Beta\n"
    "<!--desc-->A gamma note &amp; more\n"
    "<!--mdata=[x][1500000000][1600000000][1550000000][1400000000][][][][][][7][A][][][]--><br>\n"
    "<DT><A HREF=\"http://b/?x=1&amp;y=2\">B &lt;b&gt;</A> <DD>plain<BR>\n"
    "<dt><a href=\"http://c/\"></a>\n<dd><!--mdata=[][][][][][][][][][][][B][][][]--><br>\n"
    "</dl></body></html>\n";

TEST(PowermarksImport, Entries) {
  BookmarkList list;
  importtest::FixClock(list, 1700000000);
  ASSERT_EQ(ImportPowermarksText(list, DecodeUtf8ToAnsi(kFile), 2), 0);
  EXPECT_EQ(Outline(list), (Rows{"C Uncategorized", "S Uncategorized", "B alpha page|http://a/",
                                 "B B <b>|http://b/?x=1&y=2", "B (Corrupted)|http://c/"}));
  BookmarkItem a = ItemAt(list, 2);
  EXPECT_EQ(a.keywords, "beta Beta");  // "alpha" is in the title, "gamma" in the note
  EXPECT_EQ(a.notes, "A gamma note & more");
  EXPECT_EQ(a.timeAdded, 1500000000u);
  EXPECT_EQ(a.timeLastVisit, 1600000000u);
  EXPECT_EQ(a.timeModified, 1550000000u);
  EXPECT_EQ(a.dateSiteUpdated, 1400000000u);
  EXPECT_EQ(a.visits, 7);
  EXPECT_EQ(a.rating, 5);
  BookmarkItem b = ItemAt(list, 3);  // no metadata: the values of a fresh item
  EXPECT_EQ(b.rating, 2);
  EXPECT_EQ(b.keywords, "");
  EXPECT_EQ(b.notes, "");
  EXPECT_EQ(b.timeAdded, 1700000000u);
  EXPECT_EQ(b.visits, 0);
  EXPECT_EQ(ItemAt(list, 4).rating, 0);  // "B" is above five
}

TEST(PowermarksImport, Rating) {
  const std::pair<const char*, int> cases[] = {{"A", 5}, {"B", 0}, {"0", 0}, {"1", 1}, {"3", 2},
                                               {"9", 5}, {"a", 5}, {"", 0},  {"zz", 0}};
  for (const auto& c : cases) EXPECT_EQ(PowermarksRating(c.first), c.second) << c.first;
}

TEST(PowermarksImport, FileAndRoundTrip) {
  TempFolder folder;
  std::string path = folder.Path("pm35.htm");
  importtest::WriteFile(path, kFile);
  BookmarkList list;
  importtest::FixClock(list);
  ASSERT_EQ(ImportPowermarks(list, path, 0), 0);
  EXPECT_EQ(list.itemCount, 5);
  importtest::ExpectRoundTrip(list, folder.Path("round.bkl"));
  EXPECT_EQ(ImportPowermarks(list, folder.Path("missing.htm"), 0), -1);
}

// The entries the importer finds are those the pattern finds searching the
// rest of the text each time, whatever pieces are missing.
TEST(PowermarksImport, SameEntriesAsThePattern) {
  boost::regex entry = ImportPattern("<dt><a href=\"(.*?)\">(.*?)</a>\\s*<dd>(.*?)<br>");
  const char* kPieces[] = {"<dt><a href=\"",
                           "\">",
                           "</a>",
                           "<dd>",
                           "<br>",
                           " ",
                           "\n",
                           "\v",
                           "x",
                           "<DT><A HREF=\"u\">t</A>\n<DD>n<BR>",
                           "\"",
                           ">",
                           "<dt>"};
  std::mt19937 random(5);
  for (int round = 0; round < 1500; ++round) {
    std::string text;
    int pieces = 1 + static_cast<int>(random() % 30);
    for (int i = 0; i < pieces; ++i) text += kPieces[random() % (sizeof kPieces / sizeof *kPieces)];
    BookmarkList fast;
    importtest::FixClock(fast);
    ASSERT_EQ(ImportPowermarksText(fast, text, 0), 0);
    Rows expected{"C Uncategorized", "S Uncategorized"};
    ImportMatch m;
    for (const char* at = text.data(); SearchRange(entry, at, text.data() + text.size(), &m);
         at = m[0].second) {
      std::string title = DecodeHtmlEntities(Group(m, 2));
      BookmarkItem item = NewLink(0);
      item.title = title.empty() ? "(Corrupted)" : title;
      item.url = DecodeHtmlEntities(Group(m, 1));
      BookmarkList one;
      one.AddItem(0, item, 0);
      expected.push_back(Outline(one)[0]);
    }
    ASSERT_EQ(Outline(fast), expected) << text;
  }
}

// Entries that lack their "<dd>" or "<br>" cost lookups, not rescans.
TEST(PowermarksImport, BrokenEntriesStayLinear) {
  std::string text;
  for (int i = 0; i < 30000; ++i) text += "<dt><a href=\"http://x/\">t</a>\n";
  text += "<dt><a href=\"http://y/\">last</a><dd>d<br>";
  BookmarkList list;
  importtest::FixClock(list);
  ASSERT_EQ(ImportPowermarksText(list, text, 0), 0);
  ASSERT_EQ(list.itemCount, 3);
  EXPECT_EQ(ItemAt(list, 2).url, "http://x/");  // the title runs on to the last "</a>"
}

}  // namespace

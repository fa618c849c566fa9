#include "exchange/msn_import.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "exchange/import_text.h"
#include "support/import_test_support.h"
#include "support/msn_reference.h"
#include "support/temp_folder.h"

using importtest::ItemAt;
using importtest::Outline;

namespace {

using Rows = std::vector<std::string>;

std::string Fav(const std::string& title, const std::string& url, const std::string& attrs = "",
                const std::string& inner = "") {
  return "<favorite" + attrs + "><title>" + title + "</title><href>" + url + "</href>" + inner +
         "</favorite>\n";
}

const std::string kTree =
    "<?xml version=\"1.0\"?>\n<favorites version=\"1\">\n" +
    Fav("Outside", "http://out/", " lv=\"2020-09-13T12:26\" vc=\"4\"",
        "<created>2010-01-02T03:04</created>") +
    "<favfolder title=\"Folder\">\n" + Fav("In folder", "http://in/") +
    "<favfolder title=\"Sub\">\n<favfolder title=\"SubSub\">" + Fav("Deep", "http://deep/") +
    "</favfolder>\n" + Fav("In sub", "http://sub/") +
    "</favfolder>\n<favfolder title=\"Empty\"/>\n</favfolder>\n<favfolder title=\"Top empty\" />\n"
    "</favorites>\n";

Rows Import(const std::string& text, int* result) {
  BookmarkList list;
  importtest::FixClock(list);
  *result = ImportMsnText(list, DecodeUtf8ToAnsi(text), 0);
  return Outline(list);
}

TEST(MsnImport, OutlineRules) {
  struct Case {
    const char* name;
    std::string text;
    int result;
    Rows outline;
  };
  const Case cases[] = {
      {"tree",
       kTree,
       0,
       {"C Uncategorized", "S Uncategorized", "B Outside|http://out/", "C Folder",
        "S Uncategorized", "B In folder|http://in/", "S Sub", "B In sub|http://sub/", "S SubSub",
        "B Deep|http://deep/", "S Empty", "C Top empty"}},
      {"escaped markup in values",
       "<favorites><FAVFOLDER TITLE=\"A &quot;B&quot;\">" +
           Fav("Q&amp;A &lt;/title&gt;", "http://x/?a=1&amp;b=2") + "</FAVFOLDER></favorites>",
       0,
       {"C A \"B\"", "S Uncategorized", "B Q&A </title>|http://x/?a=1&b=2"}},
      {"UTF-8 and a folder without title",
       "<favorites><favfolder id=\"1\">" + Fav("Caf\xC3\xA9", "u") + "</favfolder></favorites>",
       0,
       {"C (Corrupted)", "S Uncategorized", "B Caf\xE9|u"}},
      {"favorite without its end",
       "<favorites><favfolder title=\"F\"><favorite><title>x",
       0,
       {"C F"}},
      {"folder left open",
       "<favorites><favfolder title=\"F\">" + Fav("a", "u"),
       0,
       {"C F", "S Uncategorized", "B a|u"}},
      {"no start tag", "<favfolder title=\"F\"></favfolder>", -1, {}},
  };
  for (const Case& c : cases) {
    int result = 99;
    EXPECT_EQ(Import(c.text, &result), c.outline) << c.name;
    EXPECT_EQ(result, c.result) << c.name;
  }
}

TEST(MsnImport, FieldsFileAndRoundTrip) {
  TempFolder folder;
  std::string path = folder.Path("favorites.xml");
  importtest::WriteFile(
      path, kTree + "<favorites>" + Fav("Old", "u", "", "<created>1800-01-01T00:00</created>"));
  BookmarkList list;
  importtest::FixClock(list, 1700000000);
  ASSERT_EQ(ImportMsnFavorites(list, path, 4), 0);
  BookmarkItem outside = ItemAt(list, 2);
  EXPECT_EQ(outside.timeAdded, 1262401440u);
  EXPECT_EQ(outside.timeLastVisit, 1599999960u);
  EXPECT_EQ(outside.visits, 4);
  EXPECT_EQ(outside.rating, 4);
  EXPECT_EQ(ItemAt(list, 3).title, "Old");
  EXPECT_EQ(ItemAt(list, 3).timeAdded, 1700000000u);  // out of range: the time of the import
  importtest::ExpectRoundTrip(list, folder.Path("round.bkl"));
  EXPECT_EQ(ImportMsnFavorites(list, folder.Path("missing.xml"), 0), -1);
}

TEST(MsnImport, CalendarSeconds) {
  EXPECT_EQ(CalendarSeconds("1970", "1", "1", "0", "0"), 0u);
  EXPECT_EQ(CalendarSeconds("2038", "01", "19", "03", "14"), 2147483640u);
  EXPECT_EQ(CalendarSeconds("2100", "1", "1", "0", "0"), 4102444800u);
  EXPECT_EQ(CalendarSeconds("1969", "12", "31", "23", "59"), 0u);
  EXPECT_EQ(CalendarSeconds("2020", "13", "1", "0", "0"), 0u);
  EXPECT_EQ(CalendarSeconds("2020", "1", "1", "24", "0"), 0u);
}

// Folders nested very deep stay linear, and random texts from the format's
// own pieces give the same outline as the plain walk.
TEST(MsnImport, DeepNestingAndPlainWalk) {
  std::string deep = "<favorites>";
  for (int i = 0; i < 10000; ++i) deep += "<favfolder title=\"f\">" + Fav("l", "u");
  for (int i = 0; i < 10000; ++i) deep += "</favfolder>";
  BookmarkList list;
  importtest::FixClock(list);
  ASSERT_EQ(ImportMsnText(list, deep, 0), 0);
  EXPECT_EQ(Outline(list).size(), 20001u);

  const char* kPieces[] = {"<favfolder title=\"F\">",
                           "</favfolder>",
                           "<favfolder/>",
                           "<favorite><title>t</title><href>h</href></favorite>",
                           "<favorite>",
                           "</favorite>",
                           "<title>x</title>",
                           "<favfolder",
                           ">",
                           "\n",
                           "<favorites>",
                           "<FavFolder Title=\"G\" />",
                           "<FAVORITE lv=\"2000-01-01T00:00\">"};
  std::mt19937 random(11);
  for (int round = 0; round < 1000; ++round) {
    std::string text = "<favorites>";
    int pieces = 1 + static_cast<int>(random() % 30);
    for (int i = 0; i < pieces; ++i) text += kPieces[random() % (sizeof kPieces / sizeof *kPieces)];
    BookmarkList fast, plain;
    importtest::FixClock(fast);
    importtest::FixClock(plain);
    ASSERT_EQ(ImportMsnText(fast, text, 0), reference::ImportMsnText(plain, text)) << text;
    ASSERT_EQ(Outline(fast), Outline(plain)) << text;
  }
}

}  // namespace

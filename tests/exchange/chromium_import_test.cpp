#include "exchange/chromium_import.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exchange/import_text.h"
#include "exchange/netscape_import.h"
#include "support/import_test_support.h"
#include "support/list_test_support.h"

using importtest::ItemAt;
using importtest::Outline;

namespace {

using Rows = std::vector<std::string>;

constexpr uint32_t kNow = 1600000000;  // the fixed clock: fills missing dates

std::string Profile(const std::string& name) {
  return std::string(VELLOX_TEST_DATA) + "/chromium/" + name;
}

// A "Bookmarks" file around the JSON of the bar's children.
std::string InBar(const std::string& children) {
  return R"({"roots":{"bookmark_bar":{"name":"Bar","type":"folder","children":[)" + children +
         R"(]},"other":{"children":[],"type":"folder"}},"version":1})";
}

std::string Url(const std::string& name, const std::string& date = "0") {
  return R"({"type":"url","name":")" + name + R"(","url":"http://)" + name +
         R"(/","date_added":")" + date + R"("})";
}

std::string Folder(const std::string& name, const std::string& children) {
  return R"({"type":"folder","name":")" + name + R"(","children":[)" + children + "]}";
}

// A profile's "Bookmarks" file and the HTML file its browser exported from
// it give the same items, field by field; the outline is the one the
// browser shows, mapped onto categories and subcategories.
TEST(ChromiumImport, ProfileFileAndItsHtmlExportGiveTheSameItems) {
  BookmarkList fromJson, fromHtml;
  importtest::FixClock(fromJson, kNow);
  importtest::FixClock(fromHtml, kNow);
  ASSERT_EQ(ImportChromiumBookmarks(fromJson, Profile("Bookmarks"), 3), 0);
  ASSERT_EQ(ImportNetscapeHtml(fromHtml, Profile("bookmarks_exported.html"), 3), 0);

  const Rows expected = {
      "C Uncategorized",
      "S Uncategorized",
      "B Other top link|https://other.example/",
      "B Undated link|https://undated.example/",
      "B Before 1970|https://old.example/",
      "B Phone link|https://phone.example/",
      "C Bookmarks bar",
      "S Uncategorized",
      "B Caf\xE9 & Cr\xEApes <Paris>|https://crepes.example/menu?a=1&b=2",
      "B Bar link after a folder|https://bar.example/",
      "S News",
      "B ???????? ???|https://news.example/gr/",
      "B Price in \x80"
      "5 \"quoted\" it's|https://price.example/?q=%E2%82%AC",
      "S Tech",
      "B Tech link|https://tech.example/",
      "S Deep",
      "B In deep|https://deep.example/in",
      "S Deeper",
      "B Bottom of the tree|https://deep.example/",
      "S Empty",
      "C Recipes",
      "S Uncategorized",
      "B ???????|https://recipes.example/ja",
      "B Soup|https://recipes.example/soup",
  };
  EXPECT_EQ(Outline(fromJson), expected);
  ASSERT_EQ(Outline(fromHtml), expected);
  for (size_t n = 0; n < expected.size(); ++n) {
    BookmarkItem json = ItemAt(fromJson, n), html = ItemAt(fromHtml, n);
    EXPECT_EQ(json.flags, html.flags) << n;
    EXPECT_EQ(json.rating, html.rating) << n;
    EXPECT_EQ(json.timeAdded, html.timeAdded) << n;
    EXPECT_EQ(json.timeLastVisit, html.timeLastVisit) << n;
    EXPECT_EQ(json.notes, html.notes) << n;
  }
  // Microseconds since 1601 become seconds since 1970; no date and dates
  // before 1970 leave the list's own time.
  const struct {
    size_t item;
    uint32_t time;
  } dates[] = {{2, 1700002000}, {3, kNow}, {4, kNow}, {8, 1700000000}, {18, 1700000600}};
  for (const auto& d : dates) EXPECT_EQ(ItemAt(fromJson, d.item).timeAdded, d.time) << d.item;
  EXPECT_EQ(ItemAt(fromJson, 2).rating, 3);
}

TEST(ChromiumImport, FoldersAndNodeKinds) {
  struct Case {
    const char* name;
    std::string json;
    Rows outline;
  };
  const Case cases[] = {
      {"a tree five deep is flattened below the first level",
       InBar(Folder("a", Folder("b", Folder("c", Folder("d", Url("x")))) + "," + Url("y"))),
       {"C Bar", "S a", "B y|http://y/", "S b", "S c", "S d", "B x|http://x/"}},
      {"nodes neither url nor folder are skipped with their contents",
       InBar(R"({"type":"separator","name":"s","children":[)" + Url("hidden") + "]}," + Url("x")),
       {"C Bar", "S Uncategorized", "B x|http://x/"}},
      {"an empty profile keeps its bar",
       R"({"roots":{"bookmark_bar":{"children":[],"type":"folder"},"other":{},"synced":{}}})",
       {"C Bookmarks bar"}},
      {"synced bookmarks join the other bookmarks at the top",
       R"({"roots":{"other":{"children":[)" + Url("o") + R"(]},"synced":{"children":[)" +
           Folder("m", Url("p")) + "," + Url("q") + "]}}}",
       {"C Uncategorized", "S Uncategorized", "B o|http://o/", "B q|http://q/", "C m",
        "S Uncategorized", "B p|http://p/"}},
      {"unknown fields of any shape are passed over",
       InBar(R"({"meta_info":{"a":[1,{"b":null}]},"type":"url","name":"x","url":"u","id":7})"),
       {"C Bar", "S Uncategorized", "B x|u"}},
  };
  for (const Case& c : cases) {
    BookmarkList list;
    importtest::FixClock(list);
    EXPECT_EQ(ImportChromiumText(list, c.json, 0), 0) << c.name;
    EXPECT_EQ(Outline(list), c.outline) << c.name;
  }
  const struct {
    uint64_t microseconds;
    uint32_t seconds;
  } times[] = {{0, 0},
               {11644473600000000ull - 1, 0},
               {11644473600000000ull, 0},
               {11644473601999999ull, 1},
               {13344473600654321ull, 1700000000},
               {UINT64_MAX, 0xFFFFFFFFu}};
  for (const auto& t : times)
    EXPECT_EQ(ChromiumTimeToListTime(t.microseconds), t.seconds) << t.microseconds;
}

// Whatever the bytes, the import ends: -1 for anything but a bookmarks
// file, with the list's earlier items untouched.
TEST(ChromiumImport, BadInputEndsTheImportWithMinusOne) {
  std::string profile = listtest::ReadBytes(Profile("Bookmarks"));
  std::string deep = Url("x");
  for (int i = 0; i < 120; ++i) deep = Folder("f", deep);  // 240 levels of JSON
  const struct {
    const char* name;
    std::string json;
  } cases[] = {
      {"empty", ""},
      {"not JSON", "<DL><p><DT><A HREF=\"x\">x</A>"},
      {"cut short", profile.substr(0, profile.size() / 2)},
      {"trailing garbage", profile + "}"},
      {"an array", "[]"},
      {"no roots", R"({"version":1})"},
      {"roots not an object", R"({"roots":[]})"},
      {"a root not an object", R"({"roots":{"other":"x"}})"},
      {"children not an array", R"({"roots":{"other":{"children":{}}}})"},
      {"children holding a number", InBar("1")},
      {"a name that is a number", InBar(R"({"type":"url","name":5,"url":"u"})")},
      {"a date that is a number", InBar(R"({"type":"url","date_added":13344473600654321})")},
      {"a url that is an object", InBar(R"({"type":"url","url":{}})")},
      {"folders nested too deep", InBar(deep)},
      {"absurd nesting in an unknown field",
       InBar(R"({"type":"url","x":)" + std::string(1000000, '[') + std::string(1000000, ']') +
             "}")},
      {"invalid UTF-8 in a title", InBar(Url("\xC3("))},
      {"an escaped lone low surrogate", InBar(Url("\\uDC00"))},
      {"a NUL byte and more after the file", profile + std::string(1, '\0') + "}"},
  };
  for (const auto& c : cases) {
    BookmarkList list;
    importtest::FixClock(list);
    BookmarkItem earlier;
    earlier.level = 0;
    earlier.title = "Earlier";
    ASSERT_NE(list.AddItem(0, earlier, 0), 0);
    EXPECT_EQ(ImportChromiumText(list, c.json, 0), -1) << c.name;
    EXPECT_EQ(Outline(list), Rows{"C Earlier"}) << c.name;
  }
  BookmarkList list;
  EXPECT_EQ(ImportChromiumBookmarks(list, Profile("missing"), 0), -1);
}

}  // namespace

#include "exchange/netscape_import.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "exchange/import_text.h"
#include "support/import_test_support.h"
#include "support/netscape_reference.h"
#include "support/temp_folder.h"

using importtest::ItemAt;
using importtest::Outline;

namespace {

using Rows = std::vector<std::string>;

std::vector<std::string> Import(const std::string& text, int* result, uint8_t rating = 0) {
  BookmarkList list;
  importtest::FixClock(list);
  *result = ImportNetscapeText(list, DecodeUtf8ToAnsi(text), rating);
  return Outline(list);
}

const char kTree[] =
    "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks</H1>\n"
    "<DL><p>\n"
    "  <DT><A HREF=\"http://top/\" ADD_DATE=\"100\">Top link</A>\n"
    "  <DT><H3 ADD_DATE=\"5\">Folder</H3>\n"
    "  <DL><p>\n"
    "    <DT><A HREF=\"http://f/\">In folder</A>\n"
    "    <DT><H3>Sub</H3>\n"
    "    <DL><p>\n"
    "      <DT><H3>SubSub</H3>\n"
    "      <DL><p>\n"
    "        <DT><A HREF=\"http://deep/\">Deep</A>\n"
    "      </DL><p>\n"
    "      <DT><A HREF=\"http://s/\">In sub</A>\n"
    "    </DL><p>\n"
    "    <HR>\n"
    "  </DL><p>\n"
    "  <DT><H3>Empty</H3>\n"
    "  <DL><p>\n"
    "  </DL><p>\n"
    "</DL><p>\n";

TEST(NetscapeImport, OutlineRules) {
  struct Case {
    const char* name;
    std::string text;
    int result;
    Rows outline;
  };
  const Case cases[] = {
      {"folder tree four deep",
       kTree,
       0,
       {"C Uncategorized", "S Uncategorized", "B Top link|http://top/", "C Folder",
        "S Uncategorized", "B In folder|http://f/", "S Sub", "B In sub|http://s/", "S SubSub",
        "B Deep|http://deep/", "-S", "C Empty"}},
      {"no list at all",
       "<DT><H3>A</H3><DT><H3>B</H3><DT><A HREF=\"x\">link</A>",
       0,
       {"C A", "C B"}},
      {"outer list never closed",
       "<DL><DT><A HREF=\"a\">a</A><DT><H3>F</H3><DL><DT><A HREF=\"b\">b</A></DL>",
       0,
       {"C Uncategorized", "S Uncategorized", "B a|a"}},
      {"extra end of list",
       "<DL><DT><A HREF=\"a\">a</A></DL></DL><DT><H3>After</H3>",
       0,
       {"C Uncategorized", "S Uncategorized", "B a|a", "C After"}},
      {"entry without element takes the next one",
       "<DL><DT>\n</DL><DL><DT><A HREF=\"u\">L</A></DL>",
       0,
       {"C Uncategorized", "S Uncategorized", "B L|u"}},
      {"separators follow the links of their list",
       "<DL><DT><A HREF=\"a\">a</A><HR><DT><A HREF=\"b\">b</A></DL>",
       0,
       {"C Uncategorized", "S Uncategorized", "B a|a", "B b|b", "-C"}},
      {"rule outside every list is dropped", "<HR><DL><DT><H3>F</H3><DL></DL></DL>", 0, {"C F"}},
      {"tags in any case",
       "<dl><Dt><h3>F</h3><dL><dT><a href=\"u\">x</a></Dl></dL>",
       0,
       {"C F", "S Uncategorized", "B x|u"}},
      {"missing visible text",
       "<DL><DT><A HREF=\"u\"</A></DL>",
       0,
       {"C Uncategorized", "S Uncategorized", "B (Corrupted)|u"}},
      {"list left open inside",
       "<DL><DT><A HREF=\"a\">a</A><DL><DT><A HREF=\"b\">b</A>",
       -1,
       {"C Uncategorized", "S Uncategorized", "B a|a"}},
      {"links of a category after a closed empty sibling",
       "<DL><DT><H3>A</H3><DL><DL></DL></DL><DL><DT><A HREF=\"x\">x</A></DL></DL>",
       0,
       {"C A", "C Uncategorized", "S Uncategorized", "B x|x"}},
      {"escaped markup stays in the title",
       "<DL><DT><H3>&lt;/DL&gt;</H3><DL><DT><A HREF=\"u?a=1&amp;b=&quot;2&quot;\">Q&amp;A "
       "&lt;special&gt;</A></DL></DL>",
       0,
       {"C </DL>", "S Uncategorized", "B Q&A <special>|u?a=1&b=\"2\""}},
      {"references in titles",
       "<DL><DT><A HREF=\"u\">&#233;t&#xE9; &AMP; &bogus;</A></DL>",
       0,
       {"C Uncategorized", "S Uncategorized", "B \xE9t&#xE9; & &bogus;|u"}},
      {"UTF-8 titles",
       "<DL><DT><H3>Caf\xC3\xA9 \xE2\x98\x95</H3><DL></DL></DL>",
       0,
       {"C Caf\xE9 ?"}},
  };
  for (const Case& c : cases) {
    int result = 99;
    EXPECT_EQ(Import(c.text, &result), c.outline) << c.name;
    EXPECT_EQ(result, c.result) << c.name;
  }
}

TEST(NetscapeImport, LinkFields) {
  std::string text =
      "<DL><p>\n<DT><A HREF=\" http://a/ \" ADD_DATE=\"1500000000\" LAST_VISIT=\"1600000100\" "
      "ICON=\"data:x\">  Title\twith tab  </A>\n<DD>  First line &amp; more\nsecond line\n"
      "<DT><A HREF=\"http://b/\">" +
      std::string(300, 'x') +
      "</A>\n"
      "<DT><A HREF=\"http://c/\">No note</A>\n<DT><H3>Later</H3>\n</DL>\n";
  BookmarkList list;
  importtest::FixClock(list, 1700000000);
  ASSERT_EQ(ImportNetscapeText(list, text, 3), 0);
  BookmarkItem a = ItemAt(list, 2);
  EXPECT_EQ(a.title, "Title with tab");
  EXPECT_EQ(a.url, "http://a/");
  EXPECT_EQ(a.timeAdded, 1500000000u);
  EXPECT_EQ(a.timeLastVisit, 1600000100u);
  EXPECT_EQ(a.notes, "First line & more");
  EXPECT_TRUE(a.flags & kFlagHasNotes);
  EXPECT_EQ(a.rating, 3);
  EXPECT_EQ(a.flags & (kFlagBookmark | kFlagSeparator), kFlagBookmark);
  BookmarkItem b = ItemAt(list, 3);
  EXPECT_EQ(b.title, std::string(256, 'x'));
  EXPECT_EQ(b.timeAdded, 1700000000u);  // none in the file: the time of the import
  EXPECT_EQ(b.notes, "");
  EXPECT_FALSE(b.flags & kFlagHasNotes);
}

TEST(NetscapeImport, FileAndRoundTrip) {
  TempFolder folder;
  BookmarkList list;
  importtest::FixClock(list);
  EXPECT_EQ(ImportNetscapeHtml(list, folder.Path("missing.html"), 0), -1);
  EXPECT_EQ(list.itemCount, 0);
  std::string path = folder.Path("bookmarks.html");
  importtest::WriteFile(
      path, std::string(kTree) + "<DL><DT><A HREF=\"http://n/\">Caf\xC3\xA9</A>\n<DD>note\n</DL>");
  ASSERT_EQ(ImportNetscapeHtml(list, path, 5), 0);
  EXPECT_EQ(ItemAt(list, 12).title, "Uncategorized");
  EXPECT_EQ(ItemAt(list, 14).title, "Caf\xE9");
  importtest::ExpectRoundTrip(list, folder.Path("round.bkl"));
}

// Links without their closing tag: an element search may only find the next
// heading, and must not scan to the end of the file from every entry.
TEST(NetscapeImport, UnclosedLinksStayLinear) {
  std::string text = "<DL><p>\n";
  for (int i = 0; i < 20000; ++i) {
    if (i % 100 == 0) text += "<DT><H3>F" + std::to_string(i / 100) + "</H3>\n<DL><p>\n";
    text += "<DT><A HREF=\"http://h/" + std::to_string(i) + "\">link " + std::to_string(i) + "\n";
    if (i % 100 == 99) text += "</DL><p>\n";
  }
  text += "</DL>\n";
  BookmarkList list;
  importtest::FixClock(list);
  // Each link's entry finds the next folder's heading, passing over the
  // ends of the lists, so the lists are never closed.
  EXPECT_EQ(ImportNetscapeText(list, text, 0), -1);
  EXPECT_EQ(list.itemCount, 0);

  std::string small = text.substr(0, text.find("<DT><H3>F3<"));
  BookmarkList a, b;
  importtest::FixClock(a);
  importtest::FixClock(b);
  EXPECT_EQ(ImportNetscapeText(a, small, 0), reference::ImportNetscapeText(b, small, 0));
  EXPECT_EQ(Outline(a), Outline(b));
}

// Lists nested very deep: each level is walked a bounded number of times.
TEST(NetscapeImport, DeepNestingStaysLinear) {
  const int kDepth = 20000;
  std::string text;
  for (int i = 0; i < kDepth; ++i) text += "<DT><H3>h</H3><DL><DT><A HREF=\"u\">l</A>";
  for (int i = 0; i < kDepth; ++i) text += "</DL>";
  BookmarkList list;
  importtest::FixClock(list);
  EXPECT_EQ(ImportNetscapeText(list, text, 0), 0);
  std::vector<std::string> rows = Outline(list);
  ASSERT_EQ(rows.size(), static_cast<size_t>(kDepth * 2 + 1));  // within the list's limit
  EXPECT_EQ(rows[0], "C h");
  EXPECT_EQ(rows[1], "S Uncategorized");
  EXPECT_EQ(rows[2], "B l|u");
  EXPECT_EQ(rows[3], "S h");
  EXPECT_EQ(rows.back(), "B l|u");
}

// Random texts from the file's own vocabulary: the importer and the plain
// walk must build the same outline and return the same result.
TEST(NetscapeImport, MatchesPlainWalk) {
  const char* kPieces[] = {"<DL>",
                           "</DL>",
                           "<DT>",
                           "<HR>",
                           "<DT><H3>F</H3>",
                           "<H3 x>G",
                           "</H3>",
                           "<DT><A HREF=\"u\">L</A>",
                           "<A HREF=\"v\" ADD_DATE=\"7\">",
                           "</A>",
                           "\n<DD>d\n",
                           "<dd>",
                           "\n",
                           " ",
                           "x",
                           ">",
                           "</",
                           "&lt;/DL&gt;",
                           "<a ",
                           "<h3>",
                           "<dT>",
                           "</dl>"};
  std::mt19937 random(7);
  for (int round = 0; round < 1500; ++round) {
    std::string text;
    int pieces = 1 + static_cast<int>(random() % 40);
    for (int i = 0; i < pieces; ++i) text += kPieces[random() % (sizeof kPieces / sizeof *kPieces)];
    BookmarkList fast, plain;
    importtest::FixClock(fast);
    importtest::FixClock(plain);
    int fastResult = ImportNetscapeText(fast, text, 1);
    int plainResult = reference::ImportNetscapeText(plain, text, 1);
    ASSERT_EQ(fastResult, plainResult) << text;
    ASSERT_EQ(Outline(fast), Outline(plain)) << text;
    ASSERT_EQ(fast.lastId, plain.lastId) << text;
    for (uint16_t i = 1; i <= fast.itemCount; ++i) ASSERT_EQ(fast.Line(i), plain.Line(i)) << text;
  }
}

}  // namespace

#include "exchange/template_export.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "exchange/template_header.h"
#include "list/encryption.h"
#include "platform/platform.h"
#include "support/import_test_support.h"
#include "support/sample_lists.h"
#include "support/temp_folder.h"

namespace {

struct Pieces {
  Pieces(std::string s = "", std::string e = "", std::string sep = "")
      : start(std::move(s)), end(std::move(e)), separator(std::move(sep)) {}
  std::string start, end, separator;
};

std::string Block(const Pieces& p) {
  return "<vx:start>" + p.start + "</vx:start><vx:end>" + p.end + "</vx:end><vx:separator>" +
         p.separator + "</vx:separator>";
}

std::string MakeTemplate(const Pieces& document, const Pieces& l1, const Pieces& l2,
                         const Pieces& l3) {
  return "<vx:document name=\"T\" format=\"plain\">\r\n" + Block(document) +
         "</vx:document>\r\n<vx:section level=\"1\">" + Block(l1) +
         "</vx:section>\r\n<vx:section level=\"2\">" + Block(l2) +
         "</vx:section>\r\n<vx:section level=\"3\">" + Block(l3) + "</vx:section>\r\n";
}

uint16_t Add(BookmarkList& list, int level, const std::string& title, uint16_t flags = 0,
             const std::string& notes = "") {
  BookmarkItem record;
  record.level = static_cast<int8_t>(level);
  record.flags = flags;
  if (level == kLevelBookmark && !(flags & kFlagSeparator)) {
    record.flags |= kFlagBookmark;
    record.url = "https://" + title + ".example/";
  }
  record.title = title;
  record.notes = notes;
  record.timeAdded = 1600000000;
  return list.AddItem(kRootIndex, record, 0);
}

// Cat / Sub / B1, separator, B2 / Sub2 / B3; a second category Cat2 / S / B4.
void FillOutline(BookmarkList& list) {
  importtest::FixClock(list);
  Add(list, 0, "Cat");
  Add(list, 1, "Sub");
  Add(list, 2, "B1", 0, "one\\ntwo");
  Add(list, 2, "", kFlagSeparator);
  Add(list, 2, "B2");
  Add(list, 1, "Sub2");
  Add(list, 2, "B3");
  Add(list, 0, "Cat2");
  Add(list, 1, "S");
  Add(list, 2, "B4");
}

class TemplateExport : public ::testing::Test {
 protected:
  // Exports list through template text; returns the result, out the bytes.
  int Export(BookmarkList& list, const std::string& text, const std::string& format,
             std::string* out, TemplateExportOptions options = {}) {
    std::string templatePath = folder_.Path("t.txt");
    importtest::WriteFile(templatePath, text);
    std::string outPath = folder_.Path("out.txt");
    platform::RemoveFile(outPath.c_str());
    int result = ExportWithTemplate(list, outPath, templatePath, format, options);
    out->clear();
    platform::ReadWholeFile(outPath.c_str(), out);
    return result;
  }
  TempFolder folder_;
};

TEST_F(TemplateExport, IncompleteOrUnreadableTemplateCreatesNoFile) {
  BookmarkList list;  // no bookmarks at all
  std::string out;
  std::string noLevel3 = MakeTemplate({"a"}, {"b"}, {"c"}, {"d"});
  noLevel3 = noLevel3.substr(0, noLevel3.find("<vx:section level=\"3\">"));
  EXPECT_EQ(Export(list, noLevel3, "plain", &out), -2);
  EXPECT_FALSE(platform::FileExists(folder_.Path("out.txt").c_str()));
  EXPECT_EQ(Export(list, "<vx:section level=\"1\"></vx:section>", "plain", &out), -2);
  EXPECT_EQ(ExportWithTemplate(list, folder_.Path("out.txt"), folder_.Path("none.txt"), "", {}),
            -1);
  EXPECT_FALSE(platform::FileExists(folder_.Path("out.txt").c_str()));
}

TEST_F(TemplateExport, OutlineWalkOpensAndClosesLevels) {
  BookmarkList list;
  FillOutline(list);
  std::string out;
  // End pieces are copied as written, tags and all.
  std::string text = MakeTemplate({"<", ">"}, {"[<vx:title/>", "]<vx:title/>", "-"},
                                  {"(<vx:title/>", ")"}, {"{<vx:title/>", "}", "|"});
  ASSERT_EQ(Export(list, text, "plain", &out), 0);
  // The separator closes B1 but is not closed itself.
  EXPECT_EQ(out, "<[Cat(Sub{B1}|{B2})(Sub2{B3})]<vx:title/>[Cat2(S{B4})]<vx:title/>>");
}

TEST_F(TemplateExport, SkipsUnmarkedAndSmartFolderSubtrees) {
  BookmarkList list;
  FillOutline(list);
  std::string text =
      MakeTemplate({}, {"[<vx:title/>", "]"}, {"(<vx:title/>", ")"}, {"<vx:title/>,", "", "|"});
  std::string out;
  TemplateExportOptions marked;
  marked.onlyMarked = true;
  for (uint16_t i = list.Next(kRootIndex, true); i != kRootIndex; i = list.Next(i, true)) {
    BookmarkItem record;
    list.DecodeInto(i, false, &record);
    // Sub2 is marked but its category is not: the whole of Cat is left out.
    if (record.title == "Cat2" || record.title == "B4" || record.title == "Sub2")
      list.SetFlags(i, kFlagMarked, 1);
  }
  ASSERT_EQ(Export(list, text, "plain", &out, marked), 0);
  EXPECT_EQ(out, "[Cat2]");  // S is not marked, so B4 goes with it

  BookmarkList smart;
  FillOutline(smart);
  smart.SetFlags(smart.Next(kRootIndex, true), kFlagSmartFolder, 1);
  TemplateExportOptions noSmart;
  noSmart.excludeSmartFolders = true;
  ASSERT_EQ(Export(smart, text, "plain", &out, noSmart), 0);
  EXPECT_EQ(out, "[Cat2(SB4,)]");
}

TEST_F(TemplateExport, ConditionsAndFieldValues) {
  BookmarkList list;
  importtest::FixClock(list);
  Add(list, 0, "C");
  Add(list, 1, "S");
  Add(list, 2, "B", 0, "n");
  TemplateExportOptions options;
  options.listTitle = "My list";
  struct Case {
    const char* bookmark;  // the level 3 start piece
    const char* expected;
  } cases[] = {
      // Numbers are never empty; an unvisited item has no visit date.
      {"<vx:if rating/>R<vx:endif/>", "R"},
      {"<vx:if visits/>V<vx:endif/><vx:if ID/>I<vx:endif/>", "VI"},
      {"<vx:if last_visited/>seen<vx:else/>never<vx:endif/>", "never"},
      {"<vx:if login/>a<vx:elsif notes/>b<vx:elsif title/>c<vx:else/>d<vx:endif/>", "b"},
      {"<vx:if login/>a<vx:elsif keywords/>b<vx:else/>d<vx:endif/>", "d"},
      // Inside a skipped branch even a true condition stays skipped.
      {"<vx:if login/><vx:if title/>x<vx:else/>y<vx:endif/>z<vx:endif/>.", "."},
      // Stray branches outside every if are ignored.
      {"<vx:else/>a<vx:endif/>b<vx:elsif title/>c", "abc"},
      // Text after the last tag is written inside an unclosed if.
      {"<vx:if login/>hidden<vx:title/> tail", " tail"},
      // Conditions swallow the line break after them; fields do not.
      {"<vx:if title/>\r\n<vx:title/>\r\n<vx:endif/>\r\nend", "B\r\nend"},
      {"<vx:TITLE/>|<vx:is_alias/>|<vx:is_aliased/>|<vx:nonsense/>|<vx:rating/>", "B||||0"},
      {"<vx:created format=\"date_iso\"/>|<vx:last_visited format=\"date_iso\"/>", "2020-09-13|"},
      {"<vx:created format=\"time_unix\"/>|<vx:created format=\"bogus\"/>",
       "1600000000|1600000000"},
      {"<vx:list_title/>", "My list"},
  };
  for (const Case& c : cases) {
    std::string out;
    ASSERT_EQ(Export(list, MakeTemplate({}, {}, {}, {c.bookmark}), "plain", &out, options), 0)
        << c.bookmark;
    EXPECT_EQ(out, c.expected) << c.bookmark;
  }
  // The document pieces have no item, but "now" and "list_title" work.
  std::string out;
  std::string document =
      "<vx:if now/>N<vx:endif/><vx:if list_title/>L<vx:endif/><vx:if title/>T<vx:endif/>"
      "<vx:title/>|<vx:now format=\"date_iso\"/>";
  ASSERT_EQ(Export(list, MakeTemplate({document, "<vx:if rating/>r<vx:endif/>e"}, {}, {}, {}),
                   "plain", &out, options),
            0);
  EXPECT_EQ(out, "NL|2020-09-13e");
}

TEST_F(TemplateExport, FormatsEscapeAndConvertOnlyValues) {
  BookmarkList list;
  importtest::FixClock(list);
  Add(list, 0, "C");
  Add(list, 1, "S");
  Add(list, 2, "a<b> \xE9", 0, "first\\nsecond");
  const std::string piece = "\xE9:<vx:title/>|<vx:notes/>";
  struct Case {
    const char* format;
    std::string expected;
  } cases[] = {
      {"plain", "\xE9:a<b> \xE9|first\r\nsecond"},
      {"html utf-8", "\xE9:a&lt;b&gt; \xC3\xA9|first<br>second"},
      {"xml", "\xE9:a&lt;b&gt; \xE9|first\nsecond"},
      {"excel", "\xE9:a<b> \xE9|first\nsecond"},
      {"orvand utf8", "\xE9:a<b> \xC3\xA9|first\\nsecond"},
      // Opera always writes UTF-8; the note's line break becomes 0x02 0x02.
      {"opera", std::string("\xE9:a<b> \xC3\xA9|first\r\x02\x02second")},
  };
  for (const Case& c : cases) {
    std::string out;
    ASSERT_EQ(Export(list, MakeTemplate({}, {}, {}, {piece}), c.format, &out), 0) << c.format;
    EXPECT_EQ(out, c.expected) << c.format;
  }
}

TEST_F(TemplateExport, PasswordsAreDecipheredThroughTheListKey) {
  BookmarkList list;
  listtest::FillSample(list, 2);
  SetEncryption(list, kEncryptSitePasswords, "secret");
  uint16_t first = listtest::FindTitle(list, "Site 1");
  ASSERT_NE(first, 0);
  ASSERT_NE(list.Decode(first, true).password, "pass1word");  // stored enciphered
  std::string out;
  const std::string text = MakeTemplate({}, {}, {}, {"<vx:password/>;"});
  // Until the password is given the list has no key: the stored form goes out.
  list.keyState = 1;
  ASSERT_EQ(Export(list, text, "plain", &out), 0);
  EXPECT_EQ(out.find("pass1word;"), std::string::npos) << out;
  ASSERT_TRUE(CheckPassword(list, "secret", true));
  ASSERT_EQ(Export(list, text, "plain", &out), 0);
  EXPECT_NE(out.find("pass1word;"), std::string::npos) << out;
  EXPECT_NE(out.find("pass0word;"), std::string::npos) << out;
}

TEST_F(TemplateExport, WriteFailureReportsTheSystemError) {
  BookmarkList list;
  FillOutline(list);
  std::string templatePath = folder_.Path("t.txt");
  importtest::WriteFile(templatePath, MakeTemplate({"x"}, {}, {}, {}));
  int result = ExportWithTemplate(list, folder_.Path("missing") + "/out.txt", templatePath, "", {});
  EXPECT_GT(result, 0);
}

TEST(TemplateHeader, CatalogueRowAndReturnCodes) {
  TempFolder folder;
  struct Case {
    const char* text;
    int result;
    const char* name;
    const char* format;
    const char* extension;
  } cases[] = {
      {"<vx:document name=\"Web\" filename=\"bm\" extension=\"html\" format=\"HTML UTF-8\" "
       "id=\"7\">",
       0, "Web", "html utf-8", "html"},
      // "filename" must not be taken for "name".
      {"<vx:document filename=\"bm\" extension=\"x\">", -3, "", "", "x"},
      {"<VX:DOCUMENT\r\n name=\"Upper\"\r\n>", 0, "Upper", "", ""},
      {"<vx:document name=\"\" format=\"csv\">", -3, "", "csv", ""},
      {"<vx:section level=\"1\">", -2, "", "", ""},
  };
  for (const Case& c : cases) {
    std::string path = folder.Path("t.txt");
    importtest::WriteFile(path, c.text);
    TemplateCatalogRow row;
    EXPECT_EQ(ReadTemplateHeader(path, &row), c.result) << c.text;
    EXPECT_EQ(row.name, c.name) << c.text;
    EXPECT_EQ(row.format, c.format) << c.text;
    EXPECT_EQ(row.extension, c.extension) << c.text;
  }
  TemplateCatalogRow row;
  EXPECT_EQ(ReadTemplateHeader(folder.Path("absent.txt"), &row), -1);
}

}  // namespace

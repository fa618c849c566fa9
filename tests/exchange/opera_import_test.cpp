#include "exchange/opera_import.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/import_test_support.h"
#include "support/temp_folder.h"

using importtest::ItemAt;
using importtest::Outline;

namespace {

using Rows = std::vector<std::string>;

std::string Link(const std::string& name, const std::string& url, const std::string& extra = "") {
  return "#URL\n\tID=9\n\tNAME=" + name + "\n\tURL=" + url + "\n" + extra + "\n";
}
std::string Folder(const std::string& name) { return "#FOLDER\n\tNAME=" + name + "\n\n"; }

const std::string kHeader = "Opera Hotlist version 2.0\nOptions: encoding = utf8, version=3\n\n";

Rows Import(const std::string& text, int* result) {
  BookmarkList list;
  importtest::FixClock(list);
  *result = ImportOperaText(list, text, 0);
  return Outline(list);
}

TEST(OperaImport, OutlineRules) {
  struct Case {
    const char* name;
    std::string text;
    int result;
    Rows outline;
  };
  const Case cases[] = {
      {"tree",
       kHeader + Link("Outside", "http://out/") + Folder("Folder") +
           Link("In folder", "http://in/") + Folder("Sub") + Folder("SubSub") +
           Link("Deep", "http://deep/") + "-\n\n" + Link("In sub", "http://sub/") + "-\n\n-\n" +
           Link("After", "http://after/"),
       0,
       {"C Uncategorized", "S Uncategorized", "B Outside|http://out/", "B After|http://after/",
        "C Folder", "S Uncategorized", "B In folder|http://in/", "S Sub", "B In sub|http://sub/",
        "S SubSub", "B Deep|http://deep/"}},
      {"CR LF lines and trailing blanks",
       "Opera Hotlist version 2.0\r\n\r\n#FOLDER  \r\n\tNAME=F \r\n \r\n#URL\r\n\tNAME=x\r\n"
       "\tURL=http://x/\t\r\n\r\n-\r\n",
       0,
       {"C F", "S Uncategorized", "B x|http://x/"}},
      {"records without name or address",
       kHeader + "#FOLDER\n\tID=1\n\n#URL\n\tID=2\n\n-\n",
       0,
       {"C (Corrupted)", "S Uncategorized", "B (Corrupted)|(Corrupted)"}},
      {"folder left open at the end",
       kHeader + Folder("F") + Folder("G") + Link("g", "u"),
       0,
       {"C F", "S G", "B g|u"}},
      {"UTF-8 names", kHeader + Folder("Caf\xC3\xA9"), 0, {"C Caf\xE9"}},
      {"first line with trailing blanks", "Opera Hotlist version 2.0 \n" + Folder("F"), -1, {}},
      {"other file", "<DL><DT>\n", -1, {}},
      {"empty file", "", -1, {}},
  };
  for (const Case& c : cases) {
    int result = 99;
    EXPECT_EQ(Import(c.text, &result), c.outline) << c.name;
    EXPECT_EQ(result, c.result) << c.name;
  }
}

TEST(OperaImport, LinkFieldsAndRoundTrip) {
  TempFolder folder;
  std::string path = folder.Path("opera6.adr");
  importtest::WriteFile(path, kHeader + Folder("F") +
                                  Link("Note", " http://n/ ",
                                       "\tCREATED=1500000000\n\tVISITED=1600000000\n"
                                       "\tDESCRIPTION=line one\x02\x02line two\n") +
                                  "-\n");
  BookmarkList list;
  importtest::FixClock(list);
  ASSERT_EQ(ImportOperaHotlist(list, path, 2), 0);
  BookmarkItem item = ItemAt(list, 2);
  EXPECT_EQ(item.url, "http://n/");
  EXPECT_EQ(item.timeAdded, 1500000000u);
  EXPECT_EQ(item.timeLastVisit, 1600000000u);
  EXPECT_EQ(item.notes, "line one\\nline two");  // a two-line note
  EXPECT_EQ(item.rating, 2);
  importtest::ExpectRoundTrip(list, folder.Path("round.bkl"));
  EXPECT_EQ(ImportOperaHotlist(list, folder.Path("missing.adr"), 0), -1);
}

// Folders nested very deep: each folder's lines are read a bounded number
// of times.
TEST(OperaImport, DeepNestingStaysLinear) {
  const int kDepth = 20000;
  std::string text = kHeader;
  for (int i = 0; i < kDepth; ++i) text += Folder("f") + Link("l", "u");
  for (int i = 0; i < kDepth; ++i) text += "-\n";
  BookmarkList list;
  importtest::FixClock(list);
  ASSERT_EQ(ImportOperaText(list, text, 0), 0);
  Rows rows = Outline(list);
  ASSERT_EQ(rows.size(), static_cast<size_t>(2 * kDepth + 1));
  EXPECT_EQ(Rows(rows.begin(), rows.begin() + 5),
            (Rows{"C f", "S Uncategorized", "B l|u", "S f", "B l|u"}));
}

}  // namespace

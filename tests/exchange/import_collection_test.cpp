#include "exchange/import_collection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exchange/import_outline.h"
#include "support/import_test_support.h"
#include "support/temp_folder.h"

namespace {

using importtest::Outline;
using Rows = std::vector<std::string>;

constexpr int kNetscapeSource = 2;

// A list already holding one category, then a Netscape file whose folders
// and links arrive out of order, one address without a protocol and one
// program path, imported through each combination of the two options.
TEST(ImportCollection, AddHttpAndSortApplyToTheImportOnly) {
  TempFolder temp;
  const std::string file = temp.Path("bookmarks.html");
  importtest::WriteFile(file,
                        "<DL><p>\n"
                        "<DT><H3>Zeta</H3>\n<DL><p>\n"
                        "<DT><A HREF=\"www.zz.example\">zz</A>\n"
                        "<DT><A HREF=\"http://aa.example/\">aa</A>\n"
                        "</DL><p>\n"
                        "<DT><H3>Alpha</H3>\n<DL><p>\n"
                        "<DT><A HREF=\"C:\\tools\\edit.exe\">Editor</A>\n"
                        "</DL><p>\n"
                        "</DL><p>\n");
  const struct {
    bool sort, addHttp;
    Rows outline;
  } cases[] = {
      {false,
       false,
       {"C Yonder", "C Zeta", "S Uncategorized", "B zz|www.zz.example", "B aa|http://aa.example/",
        "C Alpha", "S Uncategorized", "B Editor|C:\\tools\\edit.exe"}},
      {true,
       true,
       {"C Yonder", "C Alpha", "S Uncategorized", "B Editor|C:\\tools\\edit.exe", "C Zeta",
        "S Uncategorized", "B aa|http://aa.example/", "B zz|http://www.zz.example"}},
  };
  for (const auto& c : cases) {
    BookmarkList list;
    importtest::FixClock(list);
    // The earlier category sorts after the imported "Alpha" yet stays first.
    ASSERT_NE(list.AddItem(kRootIndex, NewContainer(0, "Yonder"), 0), 0);
    list.modified = false;
    ImportOptions options;
    options.sort = c.sort;
    options.addHttp = c.addHttp;
    options.rating = 3;
    ASSERT_EQ(ImportCollection(list, kNetscapeSource, file, options), 0);
    EXPECT_EQ(Outline(list), c.outline) << c.sort;
    EXPECT_TRUE(list.modified);
    EXPECT_EQ(importtest::ItemAt(list, 3).rating, 3);
  }
  BookmarkList list;
  EXPECT_EQ(ImportCollection(list, kNetscapeSource, temp.Path("missing.html"), {}), -1);
  EXPECT_EQ(ImportCollection(list, 99, file, {}), -1);
  EXPECT_EQ(ProposedListFileName(1), "Firefox bookmarks.bkl");
}

}  // namespace

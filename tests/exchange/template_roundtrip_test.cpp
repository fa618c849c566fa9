// The shipped templates against the importers: what the Netscape and Opera
// templates write reads back as the same outline with the same fields.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exchange/netscape_import.h"
#include "exchange/opera_import.h"
#include "exchange/template_export.h"
#include "exchange/template_header.h"
#include "platform/platform.h"
#include "support/import_test_support.h"
#include "support/temp_folder.h"

namespace {

const std::string kTemplates = VELLOX_TEST_DATA "/../../src/resources/Templates/";

// Three categories of two subcategories of four bookmarks, with titles that
// need escaping, single-line notes, and visit dates on every other one.
void FillGenerated(BookmarkList& list) {
  importtest::FixClock(list);
  const char* const odd[] = {"Fish & Chips", "\"Quoted\"  twice", "<b>not bold</b>",
                             "caf\xE9 cr\xE8me", "it's"};
  int n = 0;
  for (int c = 0; c < 3; ++c) {
    BookmarkItem category;
    category.level = kLevelCategory;
    category.title = "Category " + std::to_string(c) + (c == 1 ? " & more" : "");
    list.AddItem(kRootIndex, category, 0);
    for (int s = 0; s < 2; ++s) {
      BookmarkItem sub;
      sub.level = kLevelSubcategory;
      sub.title = "Sub " + std::to_string(c) + "." + std::to_string(s);
      list.AddItem(kRootIndex, sub, 0);
      for (int b = 0; b < 4; ++b, ++n) {
        BookmarkItem item;
        item.level = kLevelBookmark;
        item.flags = kFlagBookmark;
        item.title = std::string(odd[n % 5]) + " " + std::to_string(n);
        item.url = "https://site" + std::to_string(n) + ".example/a?b=1&c=\xE9";
        if (n % 3 == 0) item.notes = "Note " + std::to_string(n) + " with <tag> & \xE9";
        item.timeAdded = 1500000000 + n * 1000;
        if (n % 2 == 0) item.timeLastVisit = 1590000000 + n;
        list.AddItem(kRootIndex, item, 0);
      }
    }
  }
}

struct Row {
  std::string outline, notes;
  uint32_t added = 0, visited = 0;
  bool operator==(const Row& o) const {
    return outline == o.outline && notes == o.notes && added == o.added && visited == o.visited;
  }
};

std::vector<Row> Rows(BookmarkList& list) {
  std::vector<std::string> outline = importtest::Outline(list);
  std::vector<Row> rows;
  for (size_t i = 0; i < outline.size(); ++i) {
    BookmarkItem item = importtest::ItemAt(list, i);
    Row row{outline[i], item.notes};
    if (item.level == kLevelBookmark) row.added = item.timeAdded, row.visited = item.timeLastVisit;
    rows.push_back(row);
  }
  return rows;
}

void ExpectRoundTrip(const std::string& templateName,
                     int (*import)(BookmarkList&, const std::string&, uint8_t)) {
  TempFolder folder;
  BookmarkList list;
  FillGenerated(list);
  TemplateCatalogRow row;
  ASSERT_EQ(ReadTemplateHeader(kTemplates + templateName, &row), 0);
  std::string out = folder.Path("export." + row.extension);
  ASSERT_EQ(ExportWithTemplate(list, out, row.path, row.format, {}), 0);
  BookmarkList back;
  importtest::FixClock(back);
  ASSERT_EQ(import(back, out, 0), 0);
  std::vector<Row> expected = Rows(list), actual = Rows(back);
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(actual[i].outline, expected[i].outline) << i;
    EXPECT_EQ(actual[i].notes, expected[i].notes) << i;
    EXPECT_EQ(actual[i].added, expected[i].added) << i;
    EXPECT_EQ(actual[i].visited, expected[i].visited) << i;
  }
}

TEST(TemplateRoundTrip, NetscapeTemplateImportsAsTheSameOutline) {
  ExpectRoundTrip("netscape.txt", ImportNetscapeHtml);
}

TEST(TemplateRoundTrip, OperaTemplateImportsAsTheSameOutline) {
  ExpectRoundTrip("opera.txt", ImportOperaHotlist);
}

TEST(TemplateRoundTrip, EveryShippedTemplateIsCompleteAndExports) {
  const char* const names[] = {"netscape.txt", "html_page.txt", "csv.txt",  "excel.txt",
                               "xml.txt",      "opera.txt",     "text.txt", "markdown.txt"};
  TempFolder folder;
  BookmarkList list;
  FillGenerated(list);
  for (const char* name : names) {
    TemplateCatalogRow row;
    ASSERT_EQ(ReadTemplateHeader(kTemplates + name, &row), 0) << name;
    EXPECT_FALSE(row.filename.empty() || row.extension.empty() || row.format.empty()) << name;
    std::string out = folder.Path(name);
    ASSERT_EQ(ExportWithTemplate(list, out, row.path, row.format, {}), 0) << name;
    std::string bytes;
    ASSERT_EQ(platform::ReadWholeFile(out.c_str(), &bytes), 0u) << name;
    // Every bookmark's address appears (escaped or not) and no tag is left.
    EXPECT_NE(bytes.find("site23.example"), std::string::npos) << name;
    EXPECT_EQ(bytes.find("<vx:"), std::string::npos) << name;
  }
}

}  // namespace

#include "list/repair.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "list/item_codec.h"
#include "list/list_file.h"
#include "list/list_paths.h"
#include "support/list_test_support.h"

using listtest::ListText;
using listtest::ReadBytes;
using listtest::TempFolder;
using listtest::WriteBytes;

namespace {

// The outline as "level title" lines, deleted items marked "(deleted)".
std::vector<std::string> Outline(BookmarkList& list) {
  std::vector<std::string> out;
  for (uint16_t i = list.Next(kRootIndex, false); i != kRootIndex; i = list.Next(i, false)) {
    BookmarkItem record;
    list.DecodeInto(i, false, &record);
    std::string line = std::to_string(record.level) + " " + record.title;
    if (record.flags & kFlagSeparator) line += "(separator)";
    if (list.IsDeleted(i)) line += " (deleted)";
    out.push_back(line);
  }
  return out;
}

TEST(Repair, EachKindOfDamage) {
  const struct {
    const char* name;
    std::vector<std::string> lines;
    std::vector<std::string> outline;
  } cases[] = {
      {"bookmark below a separator",
       {"1\t1\t0\t5\t\tCat", "2\t2\t32\t5", "3\t3\t16\t5\t\tSite\thttp://a/"},
       {"0 Cat", "1 (separator)", "1 Uncategorized", "2 Site"}},
      {"skipped level",
       {"1\t1\t0\t5\t\tCat", "3\t3\t16\t5\t\tSite\thttp://a/"},
       {"0 Cat", "1 Uncategorized", "2 Site"}},
      {"bookmark first",
       {"3\t3\t16\t5\t\tSite\thttp://a/"},
       {"0 Uncategorized", "1 Uncategorized", "2 Site"}},
      {"deleted filler for a deleted item",
       {"1\t1\t0\t5\t\tCat", "3\t3\t2064\t5\t\tGone\thttp://a/"},
       {"0 Cat", "1 Uncategorized (deleted)", "2 Gone (deleted)"}},
      {"live item under deleted parents",
       {"1\t1\t2048\t5\t\tCat", "2\t2\t2048\t5\t\tSub", "3\t3\t16\t5\t\tSite\thttp://a/"},
       {"0 Cat", "1 Sub", "2 Site"}},
      {"level out of range",
       {"1\t1\t0\t5\t\tCat", "2\t2\t0\t5\t\tSub", "3\t9\t16\t5\t\tDeep\thttp://a/",
        "4\t0\t0\t5\t\tTop"},
       {"0 Cat", "1 Sub", "2 Deep", "0 Top"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    const std::string path = folder.Path("Damaged.bkl");
    const std::string original = ListText(c.lines);
    WriteBytes(path, original);
    BookmarkList list;
    list.clock = [] { return 1706720700u; };  // 2024-01-31 17:05 UTC
    ASSERT_EQ(listtest::Open(list, path), ListResult::NeedsRepair);
    const std::string copy = Repair(list);
    EXPECT_EQ(copy, folder.Path("Autobackup (corrupted 2024-01-31 17.05) of Damaged.bkl"));
    EXPECT_EQ(ReadBytes(copy), original);
    EXPECT_EQ(ReadBytes(path), original);  // nothing written to the list file
    EXPECT_TRUE(list.modified);
    EXPECT_EQ(Outline(list), c.outline);
    // The repaired outline loads without damage.
    list.file.Close();
    WriteBytes(path, listtest::Render(list));
    BookmarkList again;
    EXPECT_EQ(listtest::Open(again, path), ListResult::ReadWrite);
    EXPECT_EQ(Outline(again), c.outline);
  }
}

TEST(Repair, ItemsWithoutIdGetNewIds) {
  TempFolder folder;
  const std::string path = folder.Path("Ids.bkl");
  WriteBytes(
      path, ListText({"1\t1\t0\t5\t\tCat", "0\t2\t0\t5\t\tNo id", "2\t3\t16\t5\t\tSite\thttp://a/"},
                     "VELLOXFL/A/0/40/abcdefghij/"));
  BookmarkList list;
  ASSERT_EQ(listtest::Open(list, path), ListResult::NeedsRepair);
  RepairOutline(list);
  EXPECT_EQ(list.lastId, 41u);
  EXPECT_EQ(DecodeHead(list.Line(2)).id, 41u);
  EXPECT_EQ(Outline(list), (std::vector<std::string>{"0 Cat", "1 No id", "2 Site"}));
}

}  // namespace

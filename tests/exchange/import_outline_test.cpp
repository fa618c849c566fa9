#include "exchange/import_outline.h"

#include <gtest/gtest.h>

#include "support/import_test_support.h"

namespace {

// The item a new item appended at the end would belong to: the nearest
// earlier item of a lower level.
uint16_t NearestBelow(BookmarkList& list, int level) {
  uint16_t i = list.Prev(kRootIndex, false);
  while (i != 0 && list.Level(i) >= level) i = list.Prev(i, false);
  return i;
}

// The appender knows each new item's parent without searching for it; it
// must be the one the list finds, whatever the list held before.
TEST(ImportAppender, TracksParents) {
  const int kPrefixes[][4] = {{-9, -9, -9, -9}, {0, -9, -9, -9}, {0, 1, 2, -9},
                              {0, 1, 2, 1},     {0, 2, -9, -9},  {1, 2, 2, 0}};
  const int kAppended[] = {2, 1, 2, 2, 0, 2, 1, 1, 0, 0, 1, 2};
  for (const auto& prefix : kPrefixes) {
    BookmarkList list;
    importtest::FixClock(list);
    for (int level : prefix)
      if (level >= 0) list.AddItem(kRootIndex, NewContainer(level, "old"), 0);
    ImportAppender out(list);
    for (int level : kAppended) {
      ASSERT_NE(out.Append(level == 2 ? NewLink(0) : NewContainer(level, "new")), 0);
      for (int next = 0; next <= 2; ++next)
        EXPECT_EQ(out.ParentFor(next), NearestBelow(list, next)) << "level " << next;
    }
  }
}

// Where the walk leaves an item without a live container one level up,
// fillers stand in: the outline never needs repair.
TEST(ImportAppender, NeverLeavesAGap) {
  BookmarkList list;
  importtest::FixClock(list);
  ImportAppender out(list);
  out.Append(NewContainer(0, "C"));
  out.Append(NewLink(0));  // no subcategory yet
  out.Append(NewSeparator(0));
  out.Append(NewContainer(1, "S"));   // would belong to the separator
  out.Append(NewContainer(-1, "x"));  // not a level at all: refused
  EXPECT_EQ(importtest::Outline(list), (std::vector<std::string>{"C C", "S Uncategorized", "B |",
                                                                 "-C", "C Uncategorized", "S S"}));
}

TEST(ImportAppender, FillersAndTitles) {
  BookmarkList list;
  importtest::FixClock(list);
  ImportAppender out(list);
  int current = -3;  // more lists closed than opened
  out.FillBeforeLink(&current);
  EXPECT_EQ(current, 1);
  current = 0;
  out.FillBeforeLink(&current);
  out.FillBeforeLink(&current);  // nothing more at level 1
  EXPECT_EQ(importtest::Outline(list),
            (std::vector<std::string>{"C Uncategorized", "S Uncategorized", "S Uncategorized"}));
  EXPECT_EQ(CutTitle(std::string(300, 'a')).size(), 256u);
  EXPECT_EQ(CutTitle("short"), "short");
  EXPECT_EQ(ReadDecimal(" 42x"), 42u);
  EXPECT_EQ(ReadDecimal("99999999999"), 0xFFFFFFFFu);
  EXPECT_EQ(ReadDecimal("-1"), 0u);
}

}  // namespace

// Drops of dragged column lines, the wheel arithmetic and the splitter
// limits, on small hand-built outlines.
#include "view/column_drop.h"

#include <gtest/gtest.h>

#include <string>

#include "list/list_edit.h"
#include "support/list_test_support.h"
#include "view/column_wheel.h"
#include "view/column_widths.h"

namespace {

BookmarkItem Item(int8_t level, const std::string& title, uint16_t flags) {
  BookmarkItem r;
  r.level = level;
  r.title = title;
  r.flags = flags;
  if (level == kLevelBookmark && (flags & kFlagBookmark)) r.url = "http://example.com/" + title;
  return r;
}

// C1 / S1 / B1 B2 -      C2 / S2 / B3  S3 (kept sorted) / B4   SEP
class Drop : public ::testing::Test {
 public:
  void SetUp() override {
    clock.Attach(list);
    list.salt = "abcdefghij";
    c1 = Add(kLevelCategory, "C1");
    s1 = Add(kLevelSubcategory, "S1");
    b1 = Add(kLevelBookmark, "B1", kFlagBookmark);
    b2 = Add(kLevelBookmark, "B2", kFlagBookmark);
    sep = Add(kLevelBookmark, "", kFlagSeparator);
    c2 = Add(kLevelCategory, "C2");
    s2 = Add(kLevelSubcategory, "S2");
    b3 = Add(kLevelBookmark, "B3", kFlagBookmark);
    s3 = Add(kLevelSubcategory, "S3", kFlagKeepSorted);
    b4 = Add(kLevelBookmark, "B4", kFlagBookmark);
    subSep = Add(kLevelSubcategory, "", kFlagSeparator);
    Select(c1, s1, b1);
  }
  uint16_t Add(int8_t level, const std::string& title, uint16_t flags = 0) {
    return list.AddItem(0, Item(level, title, flags), 0);
  }
  void Select(uint16_t c, uint16_t s, uint16_t b) {
    list.FillColumn(0, c);
    list.FillColumn(1, s);
    list.FillColumn(2, b);
  }
  int LineOf(int level, uint16_t item) const {
    const auto& e = list.columns[level].entries;
    for (size_t i = 0; i < e.size(); ++i)
      if (e[i] == item) return static_cast<int>(i);
    return -1;
  }
  // The live outline, an alias's title followed by "@".
  std::string Shape() { return listtest::Shape(list, true); }
  uint16_t DropAt(int sourceLevel, uint16_t item, int targetLevel, int line, bool copy) {
    DropRequest r{sourceLevel, item, targetLevel, line, copy};
    return CarryOutDrop(list, r, PlanDrop(list, r));
  }

  listtest::ManualClock clock;
  BookmarkList list;
  uint16_t c1, s1, b1, b2, sep, c2, s2, b3, s3, b4, subSep;
};

TEST_F(Drop, PhaseFollowsTheColumnUnderTheCursor) {
  EXPECT_EQ(DragPhaseOver(list, 2, b1, 2), kDragReorder);
  EXPECT_EQ(DragPhaseOver(list, 2, b1, 1), kDragMove);
  EXPECT_EQ(DragPhaseOver(list, 2, b1, 0), kDragMove);
  EXPECT_EQ(DragPhaseOver(list, 1, s1, 2), kDragging);
  EXPECT_EQ(DragPhaseOver(list, 2, b1, -1), kDragging);
  // Another subcategory chosen while dragging: the own column now shows
  // another parent's bookmarks.
  Select(c2, s2, 0);
  EXPECT_EQ(DragPhaseOver(list, 2, b1, 2), kDragMove);
}

TEST_F(Drop, ReorderInsideTheColumn) {
  // B2 before B1; then onto the blank area = to the end of S1.
  EXPECT_EQ(DropAt(2, b2, 2, LineOf(2, b1), false), b2);
  EXPECT_EQ(Shape(), "0C1 1S1 2B2 2B1 2- 0C2 1S2 2B3 1S3 2B4 1-");
  EXPECT_EQ(list.columns[2].SelectedItem(), b2);
  EXPECT_TRUE(list.modified);
  EXPECT_EQ(DropAt(2, b2, 2, -1, false), b2);
  EXPECT_EQ(Shape(), "0C1 1S1 2B1 2- 2B2 0C2 1S2 2B3 1S3 2B4 1-");
  // Where it already stands nothing happens; Ctrl in the same parent
  // (phase 4) moves rather than aliases.
  EXPECT_EQ(PlanDrop(list, {2, b2, 2, -1, false}).action, kDropNothing);
  EXPECT_EQ(PlanDrop(list, {2, b2, 2, LineOf(2, b2), false}).action, kDropNothing);
  EXPECT_EQ(PlanDrop(list, {2, b2, 2, 0, true}).action, kDropMove);
  // Categories re-order in the top column.
  EXPECT_EQ(DropAt(0, c2, 0, 0, false), c2);
  EXPECT_EQ(Shape(), "0C2 1S2 2B3 1S3 2B4 1- 0C1 1S1 2B1 2- 2B2");
}

TEST_F(Drop, OntoTheColumnToTheLeftMovesIntoTheLine) {
  // B1 onto its own subcategory goes to its end; the bookmark column
  // loses its selection.
  EXPECT_EQ(DropAt(2, b1, 1, LineOf(1, s1), false), b1);
  EXPECT_EQ(Shape(), "0C1 1S1 2B2 2- 2B1 0C2 1S2 2B3 1S3 2B4 1-");
  EXPECT_EQ(list.columns[2].selected, -1);
  Select(c2, s2, b3);
  EXPECT_EQ(DropAt(2, b3, 0, LineOf(0, c1), false), 0) << "two columns to the left";
  EXPECT_EQ(DropAt(1, s2, 2, 0, false), 0) << "to the right";
  EXPECT_EQ(DropAt(1, s2, 0, -1, false), 0) << "below the lines of the left column";
  // A subcategory onto a category.
  EXPECT_EQ(DropAt(1, s2, 0, LineOf(0, c1), false), s2);
  EXPECT_EQ(Shape(), "0C1 1S1 2B2 2- 2B1 1S2 2B3 0C2 1S3 2B4 1-");
  EXPECT_EQ(list.columns[1].selected, -1);
  EXPECT_EQ(list.columns[0].SelectedItem(), c2) << "the column dropped on keeps its selection";
}

TEST_F(Drop, CtrlMakesAnAliasAndLeavesTheBookmark) {
  Select(c2, s2, b3);
  uint16_t alias = DropAt(2, b3, 1, LineOf(1, s3), true);
  ASSERT_NE(alias, 0);
  EXPECT_TRUE(list.IsAlias(alias));
  EXPECT_EQ(list.Target(alias), b3);
  EXPECT_TRUE(list.TestFlags(b3, kFlagHasAliases));
  // S3 is kept sorted: the alias of B3 takes its sorted place before B4.
  EXPECT_EQ(Shape(), "0C1 1S1 2B1 2B2 2- 0C2 1S2 2B3 1S3 2B3@ 2B4 1-");
  // In the own column, Ctrl aliases only when another parent is shown.
  Select(c1, s1, 0);
  EXPECT_EQ(PlanDrop(list, {2, b3, 2, 0, true}).action, kDropAlias);
  EXPECT_EQ(PlanDrop(list, {1, s2, 0, LineOf(0, c1), true}).action, kDropMove)
      << "only bookmarks are aliased";
}

TEST_F(Drop, PlacedByHandInASortedContainerEndsItsSorting) {
  // S3 was chosen while B3 was dragged: the own column shows S3 (phase 5).
  Select(c2, s3, b4);
  EXPECT_EQ(DropAt(2, b3, 2, 0, false), b3);
  EXPECT_EQ(Shape(), "0C1 1S1 2B1 2B2 2- 0C2 1S2 1S3 2B3 2B4 1-");
  EXPECT_EQ(list.columns[2].SelectedItem(), b3);
  EXPECT_FALSE(list.TestFlags(s3, kFlagKeepSorted));
  EXPECT_TRUE(InRing(list, s2) && !list.IsDeleted(s2)) << "an emptied parent stays";
}

TEST_F(Drop, SeparatorsAndSmartFoldersTakeNothing) {
  Select(c2, subSep, 0);
  EXPECT_EQ(PlanDrop(list, {2, b1, 1, LineOf(1, subSep), false}).action, kDropNothing);
  EXPECT_EQ(PlanDrop(list, {2, b1, 2, -1, false}).action, kDropNothing)
      << "the parent is a separator";
  uint16_t smart = Add(kLevelCategory, "SmartFolders", kFlagSmartFolder);
  Select(smart, 0, 0);
  list.FillColumn(0, c1);
  EXPECT_EQ(PlanDrop(list, {1, s1, 0, LineOf(0, smart), false}).action, kDropNothing);
  EXPECT_EQ(PlanDrop(list, {1, s1, 0, LineOf(0, smart), true}).action, kDropNothing);
  // The SmartFolders category itself may be re-ordered.
  EXPECT_EQ(PlanDrop(list, {0, smart, 0, 0, false}).action, kDropMove);
}

TEST(ColumnWheel, NotchesAndSmallDeltas) {
  WheelAccumulator wheel;
  EXPECT_EQ(wheel.Add(-120), -4);
  EXPECT_EQ(wheel.Add(120), 4);
  EXPECT_EQ(wheel.Add(20), 0);
  EXPECT_EQ(wheel.Add(20), 1) << "40 collected: one line, the rest dropped";
  EXPECT_EQ(wheel.Add(20), 0);
  EXPECT_EQ(wheel.Add(-50), -1) << "-30 collected";
  EXPECT_EQ(wheel.Add(-29), 0);
  EXPECT_EQ(wheel.Add(29), 0) << "back to nothing";
  EXPECT_EQ(wheel.Add(-240), -8);

  struct Case {
    int top, lines, count, expected;
  } cases[] = {
      {0, -4, 40, 4}, {4, 4, 40, 0}, {2, 4, 40, 0}, {38, -4, 40, 39}, {0, -4, 0, 0}, {0, 4, 3, 0},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i)
    EXPECT_EQ(ScrolledTopIndex(cases[i].top, cases[i].lines, cases[i].count), cases[i].expected)
        << i;
}

TEST(ColumnSplitter, LimitsOfColumnsAndWindow) {
  ColumnLayout start;
  start.widths = {200, 200, 200};
  start.windowWidth = 620;
  struct Case {
    int gap, dx, screen;
    std::array<int, 3> widths;
    int window;
  } cases[] = {
      {0, 50, 1024, {250, 200, 200}, 670},    // the window grows with the column
      {1, -30, 1024, {200, 170, 200}, 590},   // and shrinks
      {0, -100, 1024, {132, 200, 200}, 552},  // no column under 132
      {0, 500, 1024, {700, 172, 132}, 1024},  // at the screen the others give way
      {0, 500, 700, {416, 132, 132}, 700},    // down to 132
      {1, 900, 700, {200, 348, 132}, 700},   {0, -60, 1024, {140, 200, 200}, 560},
      {3, 10, 1024, {200, 200, 200}, 620},  // no such gap
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    ColumnLayout got = DragSplitter(start, cases[i].gap, cases[i].dx, cases[i].screen);
    EXPECT_EQ(got.widths, cases[i].widths) << i;
    EXPECT_EQ(got.windowWidth, cases[i].window) << i;
  }
  // At the screen's width the columns to the right give way, down to 132.
  ColumnLayout full = DragSplitter(start, 0, 100, 620);
  EXPECT_EQ(full.widths, (std::array<int, 3>{300, 168, 132})) << "the last column first";
  EXPECT_EQ(full.windowWidth, 620);
  // Below 480 the window stops and the last column widens instead.
  ColumnLayout narrow;
  narrow.widths = {150, 150, 150};
  narrow.windowWidth = 490;
  ColumnLayout got = DragSplitter(narrow, 0, -18, 1024);
  EXPECT_EQ(got.widths, (std::array<int, 3>{132, 150, 158}));
  EXPECT_EQ(got.windowWidth, 480);
  // A window whose own minimum is wider stops there.
  got = DragSplitter(narrow, 0, -18, 1024, 485);
  EXPECT_EQ(got.widths, (std::array<int, 3>{132, 150, 163}));
  EXPECT_EQ(got.windowWidth, 485);
}

}  // namespace

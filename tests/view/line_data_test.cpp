#include "view/line_data.h"

#include <gtest/gtest.h>

#include "list/bookmark_list.h"
#include "support/list_test_support.h"

namespace {

using listtest::Item;

class LineDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    clock.Attach(list);
    list.AddItem(0, Item(kLevelCategory, "C"), 0);
    list.AddItem(0, Item(kLevelSubcategory, "S"), 0);
    plain = list.AddItem(0, Item(kLevelBookmark, "Plain"), 0);
    target = list.AddItem(0, Item(kLevelBookmark, "Target", kFlagBold), 0);
    alias = list.AddAlias(0, target, list.Decode(target, false).id);
  }
  // Sets run-time bits on a link directly, as marking and searching do.
  void SetLinkBits(uint16_t index, uint16_t bits) { list.SetFlags(index, bits, 1); }

  listtest::ManualClock clock;
  BookmarkList list;
  uint16_t plain = 0, target = 0, alias = 0;
};

TEST_F(LineDataTest, ColourFollowsMarkThenMatchThenRecentVisit) {
  struct Case {
    uint16_t linkBits;
    bool highlighting;
    uint32_t markedCategories;
    uint32_t colour;
  } cases[] = {
      {0, false, 0, 0},
      {kFlagMarked, false, 1, kColorMarked},
      {kFlagMarked, true, 1, kColorMarked},
      {0, true, 0, kColorNotMatch},
      {kFlagSearchMatch, true, 0, 0},
      {kFlagRecentlyVisited, false, 0, kColorRecentVisit},
      // While anything is marked, recent visits are not highlighted.
      {kFlagRecentlyVisited, false, 1, 0},
      {kFlagRecentlyVisited, true, 0, kColorNotMatch},
  };
  for (const Case& c : cases) {
    list.SetFlags(plain, kLinkFlagBits, 0);
    if (c.linkBits) SetLinkBits(plain, c.linkBits);
    list.markedCount[0] = c.markedCategories;
    EXPECT_EQ(ComputeLineData(list, plain, c.highlighting) & kLineColorMask, c.colour)
        << "bits " << c.linkBits << " highlighting " << c.highlighting << " marked "
        << c.markedCategories;
  }
}

TEST_F(LineDataTest, AliasShowsItsTargetsTitleAndMarkersButOnlyItsOwnMark) {
  EXPECT_EQ(LineText(list, alias), "Target");
  EXPECT_TRUE(ComputeLineData(list, alias, false) & kLineBold);
  SetLinkBits(target, kFlagMarked);
  list.markedCount[0] = 1;
  EXPECT_EQ(ComputeLineData(list, target, false) & kLineColorMask, kColorMarked);
  EXPECT_EQ(ComputeLineData(list, alias, false) & kLineColorMask, 0u);
}

TEST_F(LineDataTest, MarkerBitsComeFromTheItemFlags) {
  // The note bit follows the note field.
  BookmarkItem record = Item(kLevelBookmark, "N");
  record.notes = "note";
  uint16_t noted = list.AddItem(0, record, 0);
  uint16_t separator = list.AddItem(0, Item(kLevelBookmark, "", kFlagSeparator), 0);
  uint32_t data = ComputeLineData(list, noted, false);
  EXPECT_TRUE(data & kLineHasNotes);
  EXPECT_FALSE(data & kLineHasLogin);
  EXPECT_FALSE(data & (kLineBold | kLineSeparator));
  EXPECT_TRUE(ComputeLineData(list, separator, false) & kLineSeparator);
  EXPECT_EQ(ComputeLineData(list, plain, false), 0u);
}

}  // namespace

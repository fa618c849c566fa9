// New items typed in Organize mode, titles and addresses edited in place,
// and the address check before a new bookmark.
#include "list/list_new_item.h"

#include <gtest/gtest.h>

#include <string>

#include "list/item_codec.h"
#include "list/list_edit.h"
#include "list/list_marks.h"
#include "list/list_sort.h"
#include "support/list_test_support.h"

namespace {

BookmarkItem Record(int8_t level, const std::string& title, const std::string& url = "") {
  BookmarkItem r;
  r.level = level;
  r.title = title;
  r.url = url;
  return r;
}

using listtest::Shape;

std::string TitleOf(BookmarkList& list, uint16_t i) {
  BookmarkItem r;
  list.DecodeInto(i, true, &r);
  return r.title;
}

// C1 / S1 / B1 ; C2 / S2 / B2 (address http://two.example/)
class NewItem : public ::testing::Test {
 protected:
  void SetUp() override {
    clock.Attach(list);
    list.salt = "abcdefghij";
    c1 = list.AddItem(0, Record(kLevelCategory, "C1"), 0);
    s1 = list.AddItem(0, Record(kLevelSubcategory, "S1"), 0);
    b1 = list.AddItem(0, Record(kLevelBookmark, "B1", "http://one.example/"), 0);
    c2 = list.AddItem(0, Record(kLevelCategory, "C2"), 0);
    s2 = list.AddItem(0, Record(kLevelSubcategory, "S2"), 0);
    b2 = list.AddItem(0, Record(kLevelBookmark, "B2", "http://Two.Example/"), 0);
    list.modified = false;
    list.FillColumn(0, c1);
    list.FillColumn(1, s1);
    list.FillColumn(2, 0);
  }
  listtest::ManualClock clock;
  BookmarkList list;
  uint16_t c1 = 0, s1 = 0, b1 = 0, c2 = 0, s2 = 0, b2 = 0;
};

TEST(TitleText, TrimmedAndNeverEmptyExceptForSeparators) {
  struct Case {
    const char* typed;
    bool separator;
    const char* title;
  } const cases[] = {
      {"  News \t", false, "News"},  {"", false, "(New title)"},
      {"   ", false, "(New title)"}, {"", true, ""},
      {" Work ", true, "Work"},      {"a  b", false, "a  b"},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i)
    EXPECT_EQ(EditedTitle(cases[i].typed, cases[i].separator), cases[i].title) << i;
}

TEST_F(NewItem, TitleEditsChangeTheItemOnlyWhenTheTextDiffers) {
  clock.now += 60;
  EXPECT_FALSE(ApplyTitleEdit(list, b1, "  B1 "));
  EXPECT_FALSE(list.modified);
  EXPECT_TRUE(ApplyTitleEdit(list, b1, "Renamed"));
  EXPECT_EQ(TitleOf(list, b1), "Renamed");
  EXPECT_TRUE(list.modified);
  EXPECT_EQ(DecodeHead(list.Line(b1)).timeModified, clock.now);
  EXPECT_TRUE(ApplyTitleEdit(list, s1, ""));
  EXPECT_EQ(TitleOf(list, s1), "(New title)");

  // An alias renames its bookmark.
  uint16_t alias = list.AddAlias(0, b2, DecodeHead(list.Line(b2)).id);
  ASSERT_NE(alias, 0);
  EXPECT_TRUE(ApplyTitleEdit(list, alias, "Via alias"));
  EXPECT_EQ(TitleOf(list, b2), "Via alias");
}

TEST_F(NewItem, AddressEditResetsTheSiteStatus) {
  BookmarkItem r;
  list.DecodeInto(b1, false, &r);
  r.siteStatus = 3;
  r.timeSiteChecked = 1234;
  ASSERT_EQ(list.Encode(r), 0);
  EXPECT_FALSE(ApplyAddressEdit(list, b1, " http://one.example/ "));
  EXPECT_TRUE(ApplyAddressEdit(list, b1, " http://new.example/ "));
  list.DecodeInto(b1, false, &r);
  EXPECT_EQ(r.url, "http://new.example/");
  EXPECT_EQ(r.siteStatus, 0);
  EXPECT_EQ(r.timeSiteChecked, 0u);
  EXPECT_FALSE(ApplyAddressEdit(list, s1, "http://x/")) << "containers have no address";
}

TEST_F(NewItem, ItemsGoAtTheEndOfTheSelectedParentAndBecomeTheSelection) {
  int sub = AddNewItem(list, Record(kLevelSubcategory, "S1b"));
  ASSERT_GT(sub, 0);
  EXPECT_EQ(list.columns[1].SelectedItem(), sub);
  int bookmark = AddNewItem(list, Record(kLevelBookmark, "New", "http://new.example/"));
  ASSERT_GT(bookmark, 0);
  int category = AddNewItem(list, Record(kLevelCategory, "C3"));
  ASSERT_GT(category, 0);
  EXPECT_EQ(list.columns[0].SelectedItem(), category);
  EXPECT_EQ(list.columns[1].selected, -1);
  EXPECT_EQ(Shape(list), "0C1 1S1 2B1 1S1b 2New 0C2 1S2 2B2 0C3");
  EXPECT_TRUE(list.modified);
  EXPECT_EQ(list.bookmarkCount, 3u);
}

TEST_F(NewItem, ABookmarkWithoutContainersGoesUnderUncategorized) {
  list.FillColumn(0, 0);
  list.FillColumn(1, 0);
  ASSERT_GT(AddNewItem(list, Record(kLevelBookmark, "Loose", "http://loose.example/")), 0);
  // A second one finds the containers made for the first.
  list.FillColumn(0, 0);
  list.FillColumn(1, 0);
  ASSERT_GT(AddNewItem(list, Record(kLevelBookmark, "Loose2", "http://loose2.example/")), 0);
  EXPECT_EQ(Shape(list), "0C1 1S1 2B1 0C2 1S2 2B2 0Uncategorized 1Uncategorized 2Loose 2Loose2");
}

TEST_F(NewItem, RefusedWithoutParentOrUnderASeparator) {
  list.FillColumn(0, c1);
  list.FillColumn(1, 0);
  EXPECT_GT(AddNewItem(list, Record(kLevelSubcategory, "S1 sibling")), 0);
  list.FillColumn(0, 0);
  EXPECT_EQ(AddNewItem(list, Record(kLevelSubcategory, "orphan")), kEditFailed);
  BookmarkItem separator = Record(kLevelCategory, "");
  separator.flags = kFlagSeparator;
  uint16_t sep = list.AddItem(0, separator, 0);
  list.FillColumn(0, sep);
  EXPECT_EQ(AddNewItem(list, Record(kLevelSubcategory, "under separator")), kEditFailed);
}

// A separator selected in a column above is no container for a new
// bookmark: it goes under "Uncategorized", as without a selection there.
TEST_F(NewItem, ABookmarkWithASeparatorSelectedAboveGoesUnderUncategorized) {
  BookmarkItem separator = Record(kLevelSubcategory, "");
  separator.flags = kFlagSeparator;
  uint16_t subSeparator = list.AddItem(c2, separator, 0);  // in C1, after S1's subtree
  separator.level = kLevelCategory;
  uint16_t categorySeparator = list.AddItem(0, separator, 0);
  const struct {
    uint16_t category, subcategory;
    const char* shape;
  } cases[] = {
      {c1, subSeparator, "0C1 1S1 2B1 1- 1Uncategorized 2Sub 0C2 1S2 2B2 0-"},
      {categorySeparator, 0,
       "0C1 1S1 2B1 1- 1Uncategorized 2Sub 0C2 1S2 2B2 0- 0Uncategorized 1Uncategorized 2Cat"},
  };
  const char* titles[] = {"Sub", "Cat"};
  for (size_t i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    list.FillColumn(0, cases[i].category);
    list.FillColumn(1, cases[i].subcategory);
    int added = AddNewItem(list, Record(kLevelBookmark, titles[i], "http://x.example/"));
    ASSERT_GT(added, 0);
    EXPECT_EQ(list.columns[2].SelectedItem(), added);
    EXPECT_EQ(Shape(list), cases[i].shape);
  }
}

TEST_F(NewItem, AKeptSortedParentTakesTheNewItemInOrder) {
  list.FillColumn(0, c2);
  list.FillColumn(1, s2);
  SortColumn(list, 2);
  ASSERT_GT(AddNewItem(list, Record(kLevelBookmark, "A first", "http://a.example/")), 0);
  EXPECT_EQ(Shape(list), "0C1 1S1 2B1 0C2 1S2 2A first 2B2");
  EXPECT_EQ(TitleOf(list, list.columns[2].SelectedItem()), "A first");
}

TEST_F(NewItem, AnAliasInsteadOfASecondBookmark) {
  list.FillColumn(0, c1);
  list.FillColumn(1, s1);
  int alias = AddNewItem(list, Record(kLevelBookmark, "ignored", "http://two.example/"), b2);
  ASSERT_GT(alias, 0);
  EXPECT_TRUE(list.IsAlias(static_cast<uint16_t>(alias)));
  EXPECT_TRUE(list.TestFlags(b2, kFlagHasAliases));
  EXPECT_EQ(list.bookmarkCount, 2u);
}

TEST_F(NewItem, FindAddressComparesInLowerCaseAndSkipsAliases) {
  EXPECT_EQ(FindAddress(list, "http://two.example/"), b2);
  EXPECT_EQ(FindAddress(list, " HTTP://ONE.EXAMPLE/ "), b1);
  EXPECT_EQ(FindAddress(list, "http://three.example/"), 0);
  EXPECT_EQ(FindAddress(list, ""), 0);
}

}  // namespace

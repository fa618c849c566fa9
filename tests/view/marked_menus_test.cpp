// Where marked items can go, as the Edit submenus and the column context
// menu offer it.
#include "view/marked_menus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "list/list_marks.h"
#include "resources/resource.h"
#include "support/list_test_support.h"

namespace {

using listtest::Item;

// World / News / N1 N2 ; Tools & Co / Search / T1 ; Smart / Favorites (SmartFolder)
struct Outline {
  explicit Outline() {
    list.salt = "abcdefghij";
    world = Add(kLevelCategory, "World");
    news = Add(kLevelSubcategory, "News");
    n1 = Add(kLevelBookmark, "N1");
    n2 = Add(kLevelBookmark, "N2");
    tools = Add(kLevelCategory, "Tools & Co");
    search = Add(kLevelSubcategory, "Search");
    t1 = Add(kLevelBookmark, "T1");
    smart = Add(kLevelCategory, "Smart", kFlagSmartFolder);
    favorites = Add(kLevelSubcategory, "Favorites", kFlagSmartFolder | 1);
  }
  uint16_t Add(int8_t level, const std::string& title, uint16_t flags = 0) {
    return list.AddItem(0, Item(level, title, flags), 0);
  }
  void Select(uint16_t category, uint16_t subcategory) {
    list.FillColumn(0, category);
    list.FillColumn(1, subcategory);
    list.FillColumn(2, 0);
  }
  BookmarkList list;
  uint16_t world, news, n1, n2, tools, search, t1, smart, favorites;
};

std::vector<std::string> Texts(const MarkedMenus& menus) {
  std::vector<std::string> out;
  for (const MarkedMenuEntry& e : menus.entries)
    out.push_back(std::to_string(e.level) + " " + e.text);
  return out;
}

TEST(MarkedMenus, EntriesNameTheLevelAndTheSelectedParent) {
  Outline o;
  o.Select(o.world, o.news);
  EXPECT_TRUE(BuildMarkedMenus(o.list, nullptr).entries.empty()) << "nothing marked";

  Mark(o.list, o.t1, 1, true, true);  // one bookmark: its subcategory and category too
  MarkedMenus one = BuildMarkedMenus(o.list, nullptr);
  EXPECT_FALSE(one.fromOtherList);
  EXPECT_EQ(one.moveBase, ID_CMD_MOVE_MARKED_CATEGORY);
  EXPECT_EQ(one.aliasBase, ID_CMD_ALIAS_MARKED_CATEGORY);
  EXPECT_EQ(one.aliasTitle, "&Alias Marked");
  EXPECT_EQ(Texts(one),
            (std::vector<std::string>{"2 &Bookmark into 'News'", "1 &Subcategory into 'World'"}));

  Mark(o.list, o.n1, 1, true, true);
  EXPECT_EQ(
      Texts(BuildMarkedMenus(o.list, nullptr)),
      (std::vector<std::string>{"2 &Bookmarks into 'News'", "1 &Subcategories into 'World'"}));

  // An ampersand of a title is doubled for the menu.
  o.Select(o.tools, o.search);
  EXPECT_EQ(Texts(BuildMarkedMenus(o.list, nullptr))[1], "1 &Subcategories into 'Tools && Co'");
}

TEST(MarkedMenus, SmartFoldersAndMissingParentsTakeNothing) {
  Outline o;
  Mark(o.list, o.t1, 1, true, true);
  o.Select(o.smart, o.favorites);
  EXPECT_TRUE(BuildMarkedMenus(o.list, nullptr).entries.empty());
  o.Select(o.world, 0);
  EXPECT_EQ(Texts(BuildMarkedMenus(o.list, nullptr)),
            (std::vector<std::string>{"1 &Subcategory into 'World'"}));
  o.Select(0, 0);
  EXPECT_TRUE(BuildMarkedMenus(o.list, nullptr).entries.empty());
}

TEST(MarkedMenus, MarksOfTheOtherListAreDuplicatedOrMovedAndReachCategoryLevel) {
  Outline current;
  Outline holding;
  Mark(holding.list, holding.n1, 1, true, true);
  Mark(holding.list, holding.n2, 1, true, true);
  current.Select(current.tools, current.search);
  MarkedMenus menus = BuildMarkedMenus(current.list, &holding.list);
  EXPECT_TRUE(menus.fromOtherList);
  EXPECT_EQ(menus.aliasTitle, "&Duplicate Marked");
  EXPECT_EQ(menus.moveBase, ID_CMD_MOVE_FROM_LIST_CATEGORY);
  EXPECT_EQ(menus.aliasBase, ID_CMD_DUPLICATE_MARKED_CATEGORY);
  EXPECT_EQ(Texts(menus),
            (std::vector<std::string>{"2 &Bookmarks into 'Search'",
                                      "1 &Subcategory into 'Tools && Co'", "0 &Category"}));
  // Marks of the current list win over the other list's.
  Mark(current.list, current.t1, 1, true, true);
  EXPECT_FALSE(BuildMarkedMenus(current.list, &holding.list).fromOtherList);
}

bool Removed(const ContextMenuPlan& plan, int id) {
  return std::find(plan.removed.begin(), plan.removed.end(), id) != plan.removed.end();
}

TEST(ListContextMenu, ItemsThatDoNotApplyAreRemoved) {
  struct Case {
    const char* what;
    ContextMenuFacts facts;
    std::vector<int> removed;
    std::vector<int> kept;
  };
  ContextMenuFacts web;
  web.level = 2;
  web.webAddress = true;
  web.browserCount = 1;
  ContextMenuFacts file = web;
  file.webAddress = false;
  file.fileExists = true;
  ContextMenuFacts missingFile = file;
  missingFile.fileExists = false;
  ContextMenuFacts category;
  category.level = 0;
  ContextMenuFacts smart = category;
  smart.smartFolder = true;
  ContextMenuFacts readOnly = web;
  readOnly.readOnly = true;
  ContextMenuFacts separator = web;
  separator.separator = true;
  separator.webAddress = false;
  ContextMenuFacts marked = web;
  marked.anyMarks = true;
  const Case cases[] = {
      {"web bookmark",
       web,
       {ID_CMD_EXPLORE, ID_CMD_OPEN_FOLDER, ID_CMD_OPEN_SELECTED, ID_CMD_OPEN_WITH_BASE,
        ID_CMD_CLEAR_MARKS, ID_CMD_MOVE_MARKED_HERE, ID_CMD_ALIAS_MARKED_HERE},
       {ID_CMD_OPEN_NEW_TAB, ID_CMD_SCHEDULE_VISIT, ID_CMD_SHOW_ALIASES, ID_CMD_DELETE_SELECTED}},
      {"local file",
       file,
       {ID_CMD_OPEN_NEW_TAB, ID_CMD_OPEN_FRONTMOST_TAB},
       {ID_CMD_OPEN_SELECTED, ID_CMD_EXPLORE}},
      {"missing file", missingFile, {ID_CMD_OPEN_SELECTED}, {ID_CMD_OPEN_FOLDER}},
      {"category",
       category,
       {ID_CMD_SCHEDULE_VISIT, ID_CMD_ADD_TO_FAVORITES, ID_CMD_SHOW_ALIASES},
       {ID_CMD_DELETE_SELECTED, ID_CMD_TOGGLE_BOLD, ID_CMD_EDIT_TITLE}},
      {"SmartFolder", smart, {ID_CMD_DELETE_SELECTED, ID_CMD_TOGGLE_BOLD}, {ID_CMD_EDIT_TITLE}},
      {"read-only",
       readOnly,
       {ID_CMD_EDIT_TITLE, ID_CMD_DELETE_SELECTED, ID_CMD_INSERT_SEPARATOR, ID_CMD_SHOW_ALIASES},
       {ID_CMD_OPEN_NEW_TAB, ID_CMD_TOGGLE_MARK}},
      {"separator",
       separator,
       {ID_CMD_OPEN_SELECTED, ID_CMD_COPY_URL, ID_CMD_TOGGLE_MARK, ID_CMD_OPEN_NEW_TAB},
       {ID_CMD_DELETE_SELECTED, ID_CMD_INSERT_SEPARATOR}},
      {"marks somewhere", marked, {}, {ID_CMD_CLEAR_MARKS}},
  };
  for (const Case& c : cases) {
    ContextMenuPlan plan = PlanListContextMenu(c.facts);
    for (int id : c.removed) EXPECT_TRUE(Removed(plan, id)) << c.what << " removes " << id;
    for (int id : c.kept) EXPECT_FALSE(Removed(plan, id)) << c.what << " keeps " << id;
  }
  ContextMenuFacts twoBrowsers = web;
  twoBrowsers.browserCount = 2;
  ContextMenuPlan plan = PlanListContextMenu(twoBrowsers);
  EXPECT_TRUE(plan.openWithSubmenu);
  EXPECT_FALSE(Removed(plan, ID_CMD_OPEN_WITH_BASE));
}

TEST(ListContextMenu, MarkAndTransferItemsAreRelabelled) {
  ContextMenuFacts facts;
  facts.level = 2;
  facts.webAddress = true;
  facts.anyMarks = true;
  facts.itemMarked = true;
  facts.canInsertHere = true;
  ContextMenuPlan plan = PlanListContextMenu(facts);
  EXPECT_EQ(plan.markText, "Unmark this\tCtrl+X");
  EXPECT_EQ(plan.markCommand, ID_CMD_MARK_BOOKMARK);
  EXPECT_EQ(plan.moveText, "&Move marked above here");
  EXPECT_EQ(plan.aliasText, "&Alias marked above here");
  EXPECT_EQ(plan.transferLevel, 2);
  EXPECT_FALSE(plan.insideClicked);

  // Into a subcategory, with marks of another list.
  facts.level = 1;
  facts.itemMarked = false;
  facts.canInsertHere = false;
  facts.canInsertInside = true;
  facts.marksFromOtherList = true;
  plan = PlanListContextMenu(facts);
  EXPECT_EQ(plan.markText, "Mark this\tCtrl+X");
  EXPECT_EQ(plan.markCommand, ID_CMD_MARK_SUBCATEGORY);
  EXPECT_EQ(plan.moveText, "&Move marked in here");
  EXPECT_EQ(plan.aliasText, "&Duplicate marked in here");
  EXPECT_EQ(plan.transferLevel, 2);
  EXPECT_TRUE(plan.insideClicked);
}

TEST(ListContextMenu, ABlankAreaKeepsTheSeparatorAndWhereMarksFitTheTransfers) {
  ContextMenuFacts facts;
  facts.level = 2;
  facts.blank = true;
  ContextMenuPlan plan = PlanListContextMenu(facts);
  EXPECT_FALSE(Removed(plan, ID_CMD_INSERT_SEPARATOR));
  EXPECT_TRUE(Removed(plan, ID_CMD_MOVE_MARKED_HERE));
  EXPECT_TRUE(Removed(plan, ID_CMD_OPEN_SELECTED));
  EXPECT_TRUE(Removed(plan, ID_CMD_EDIT_TITLE));

  facts.canInsertHere = true;
  facts.anyMarks = true;
  plan = PlanListContextMenu(facts);
  EXPECT_EQ(plan.moveText, "&Move marked in here");
  EXPECT_FALSE(Removed(plan, ID_CMD_MOVE_MARKED_HERE));
  EXPECT_FALSE(Removed(plan, ID_CMD_CLEAR_MARKS));
  EXPECT_EQ(plan.transferLevel, 2);

  facts.marksFromOtherList = true;
  plan = PlanListContextMenu(facts);
  EXPECT_TRUE(Removed(plan, ID_CMD_CLEAR_MARKS)) << "the other list's marks are not cleared here";
  EXPECT_EQ(plan.aliasText, "&Duplicate marked in here");
}

TEST(WebAddress, SchemesAndWwwAreWebDrivesAndPathsAreNot) {
  EXPECT_TRUE(IsWebAddress("http://example.com/"));
  EXPECT_TRUE(IsWebAddress("https://example.com/"));
  EXPECT_TRUE(IsWebAddress("www.example.com"));
  EXPECT_TRUE(IsWebAddress("mailto:someone@example.com"));
  EXPECT_FALSE(IsWebAddress("C:\\Program Files\\app.exe"));
  EXPECT_FALSE(IsWebAddress("\\\\server\\share"));
  EXPECT_FALSE(IsWebAddress("notes.txt"));
}

}  // namespace

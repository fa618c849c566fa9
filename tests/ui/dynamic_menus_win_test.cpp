// The menus built for the moment they are shown, on the program's own menu
// resources: the Edit menu's Move/Alias marked submenus and the column
// context menu trimmed for a click.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "framework/scoped_handle.h"
#include "resources/resource.h"
#include "ui/dynamic_menus.h"

namespace {

struct Entry {
  std::string text;
  UINT id;
  bool operator==(const Entry& o) const { return text == o.text && id == o.id; }
};

void PrintTo(const Entry& e, std::ostream* os) { *os << "\"" << e.text << "\" " << e.id; }

std::vector<Entry> Entries(HMENU menu) {
  std::vector<Entry> out;
  for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
    char text[256] = {};
    GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
    out.push_back({text, GetSubMenu(menu, i) ? 0xFFFFFFFFu : GetMenuItemID(menu, i)});
  }
  return out;
}

int PositionOf(HMENU menu, UINT id) {
  for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i)
    if (GetMenuItemID(menu, i) == id) return i;
  return -1;
}

bool Greyed(HMENU menu, int position) {
  return (GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & MF_GRAYED) != 0;
}

std::string TextAt(HMENU menu, int position) {
  char text[256] = {};
  GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
  return text;
}

class ProgramMenu {
 public:
  explicit ProgramMenu(int id)
      : menu_(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id))) {}
  HMENU Popup(int position) const { return GetSubMenu(menu_.Get(), position); }

 private:
  framework::ScopedMenu menu_;
};

TEST(MarkedSubmenus, AreRefilledRetitledAndGreyedWhenEmpty) {
  ProgramMenu bar(IDR_MAIN_MENU);
  HMENU edit = bar.Popup(1);
  ASSERT_NE(edit, nullptr);
  const int markFound = PositionOf(edit, ID_CMD_MARK_FOUND);
  ASSERT_GE(markFound, 0);

  MarkedMenus own;
  own.moveBase = ID_CMD_MOVE_MARKED_CATEGORY;
  own.aliasBase = ID_CMD_ALIAS_MARKED_CATEGORY;
  own.aliasTitle = "&Alias Marked";
  own.entries = {{2, "&Bookmark into 'News'"}, {1, "&Subcategory into 'World'"}};
  FillMarkedSubmenus(edit, own);
  EXPECT_EQ(Entries(GetSubMenu(edit, markFound + 1)),
            (std::vector<Entry>{{"&Bookmark into 'News'", ID_CMD_MOVE_MARKED_BOOKMARK},
                                {"&Subcategory into 'World'", ID_CMD_MOVE_MARKED_SUBCATEGORY}}));
  EXPECT_EQ(Entries(GetSubMenu(edit, markFound + 2)),
            (std::vector<Entry>{{"&Bookmark into 'News'", ID_CMD_ALIAS_MARKED_BOOKMARK},
                                {"&Subcategory into 'World'", ID_CMD_ALIAS_MARKED_SUBCATEGORY}}));
  EXPECT_EQ(TextAt(edit, markFound + 1), "&Move marked");
  EXPECT_EQ(TextAt(edit, markFound + 2), "&Alias Marked");
  EXPECT_FALSE(Greyed(edit, markFound + 1));

  // Marks of the other list: the duplicate commands, and a rebuild replaces
  // the old entries.
  MarkedMenus other;
  other.fromOtherList = true;
  other.moveBase = ID_CMD_MOVE_FROM_LIST_CATEGORY;
  other.aliasBase = ID_CMD_DUPLICATE_MARKED_CATEGORY;
  other.aliasTitle = "&Duplicate Marked";
  other.entries = {{0, "&Category"}};
  FillMarkedSubmenus(edit, other);
  EXPECT_EQ(Entries(GetSubMenu(edit, markFound + 1)),
            (std::vector<Entry>{{"&Category", ID_CMD_MOVE_FROM_LIST_CATEGORY}}));
  EXPECT_EQ(Entries(GetSubMenu(edit, markFound + 2)),
            (std::vector<Entry>{{"&Category", ID_CMD_DUPLICATE_MARKED_CATEGORY}}));
  EXPECT_EQ(TextAt(edit, markFound + 2), "&Duplicate Marked");

  MarkedMenus none;
  none.aliasTitle = "&Alias Marked";
  FillMarkedSubmenus(edit, none);
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(edit, markFound + 1)), 0);
  EXPECT_TRUE(Greyed(edit, markFound + 1));
  EXPECT_TRUE(Greyed(edit, markFound + 2));
}

TEST(BuiltListContextMenu, ABookmarkWithMarksReadsAboveHereAndLosesFileItems) {
  ProgramMenu resource(IDM_LIST_CONTEXT_MENU);
  HMENU menu = resource.Popup(0);
  ASSERT_NE(menu, nullptr);
  ContextMenuFacts facts;
  facts.level = 2;
  facts.webAddress = true;
  facts.anyMarks = true;
  facts.canInsertHere = true;
  facts.browserCount = 2;
  ContextMenuPlan plan = PlanListContextMenu(facts);
  ApplyContextMenuPlan(menu, plan, ID_CMD_MOVE_MARKED_BOOKMARK, ID_CMD_ALIAS_MARKED_BOOKMARK,
                       {"First", "Second"});

  EXPECT_EQ(PositionOf(menu, ID_CMD_EXPLORE), -1);
  EXPECT_EQ(PositionOf(menu, ID_CMD_OPEN_SELECTED), -1);
  EXPECT_GE(PositionOf(menu, ID_CMD_OPEN_NEW_TAB), 0);
  int mark = PositionOf(menu, ID_CMD_MARK_BOOKMARK);
  ASSERT_GE(mark, 0);
  EXPECT_EQ(TextAt(menu, mark), "Mark this\tCtrl+X");
  int move = PositionOf(menu, ID_CMD_MOVE_MARKED_BOOKMARK);
  ASSERT_GE(move, 0);
  EXPECT_EQ(TextAt(menu, move), "&Move marked above here");
  EXPECT_EQ(TextAt(menu, PositionOf(menu, ID_CMD_ALIAS_MARKED_BOOKMARK)),
            "&Alias marked above here");
  // "Open &with" lists the browsers.
  HMENU openWith = nullptr;
  for (int i = 0; i < GetMenuItemCount(menu) && !openWith; ++i)
    if (TextAt(menu, i) == "Open &with") openWith = GetSubMenu(menu, i);
  ASSERT_NE(openWith, nullptr);
  EXPECT_EQ(Entries(openWith), (std::vector<Entry>{{"First", ID_CMD_OPEN_WITH_BASE},
                                                   {"Second", ID_CMD_OPEN_WITH_BASE + 1}}));
}

TEST(BuiltListContextMenu, ABlankAreaOfAReadOnlyListLeavesNothingAndNoStraySeparators) {
  ProgramMenu resource(IDM_LIST_CONTEXT_MENU);
  HMENU menu = resource.Popup(0);
  ContextMenuFacts facts;
  facts.level = 1;
  facts.blank = true;
  facts.readOnly = true;
  ApplyContextMenuPlan(menu, PlanListContextMenu(facts), 0, 0, {});
  EXPECT_EQ(GetMenuItemCount(menu), 0);

  ProgramMenu second(IDM_LIST_CONTEXT_MENU);
  HMENU blank = second.Popup(0);
  facts.readOnly = false;
  ApplyContextMenuPlan(blank, PlanListContextMenu(facts), 0, 0, {});
  EXPECT_EQ(Entries(blank), (std::vector<Entry>{{"Insert &separator", ID_CMD_INSERT_SEPARATOR}}));
}

}  // namespace

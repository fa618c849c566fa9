// Where the marked items can go, in the words of the menus that offer it:
// the entries of the Edit menu's "Move marked" and "Alias marked" /
// "Duplicate Marked" submenus, and the move and alias items of a column's
// context menu. The marks are those of the current list, or, when it
// holds none, those of the list kept open because it holds marks.
#pragma once

#include <string>
#include <vector>

#include "list/bookmark_list.h"

struct MarkedMenuEntry {
  int level = 0;     // the target level; the command is base + level
  std::string text;  // "&Bookmarks into 'News'"
};

struct MarkedMenus {
  bool fromOtherList = false;  // the marks belong to the mark-holding list
  int moveBase = 0;            // 5072, or 5098 for marks of the other list
  int aliasBase = 0;           // 5006, or 5033 for marks of the other list
  std::string aliasTitle;      // "&Alias Marked" or "&Duplicate Marked"
  // From the bookmark level upward; empty when nothing can be inserted.
  std::vector<MarkedMenuEntry> entries;
};

// The marks that count: the current list's, else the holding list's (null
// when neither has marks).
const BookmarkList* MarkSource(const BookmarkList& current, const BookmarkList* holding);
// True when marked items can be inserted at level of the current list: the
// source holds marks of that level, the column above has a selection that
// can hold children (not a separator; not a SmartFolder for bookmarks, not
// the SmartFolders category for subcategories), and category level only
// takes marks of the other list.
bool CanInsertMarkedAt(BookmarkList& current, const BookmarkList* holding, int level);
MarkedMenus BuildMarkedMenus(BookmarkList& current, const BookmarkList* holding);
// "&" + level name (singular for a count of one) + " into '" + parent + "'";
// the category level has no " into" part. Ampersands of the title are
// doubled so that the menu shows them.
std::string MarkedEntryText(int level, uint32_t count, const std::string& parentTitle);

// The list box context menu (102): which items stay and how the move,
// alias and mark items read, for one right-click.
struct ContextMenuFacts {
  int level = 0;          // the clicked column
  bool blank = false;     // below the lines of the column
  bool readOnly = false;  // or locked
  bool separator = false;
  bool smartFolder = false;  // a SmartFolder or the SmartFolders category
  bool itemMarked = false;
  bool webAddress = false;    // a bookmark whose address is a web address
  bool folderTarget = false;  // a local path that is a folder
  bool fileExists = false;    // a local path that exists
  bool anyMarks = false;      // the current list holds marks
  int browserCount = 0;
  // From the marked menus: where marks can be inserted.
  bool canInsertHere = false;    // at the clicked item's own level (above it)
  bool canInsertInside = false;  // one level deeper (into the clicked item)
  bool marksFromOtherList = false;
};

struct ContextMenuPlan {
  std::vector<int> removed;    // command ids to delete from the menu
  std::string markText;        // "Mark this\tCtrl+X" / "Unmark this\tCtrl+X"
  int markCommand = 0;         // 5062 + level
  std::string moveText;        // "&Move marked above here" / "... in here"
  std::string aliasText;       // "&Alias marked ..." / "&Duplicate marked ..."
  int transferLevel = -1;      // target level of move/alias, -1 = none
  bool insideClicked = false;  // into the clicked item (its children's level)
  bool openWithSubmenu = false;
};

ContextMenuPlan PlanListContextMenu(const ContextMenuFacts& facts);
// True for an address the browser opens (a scheme other than a drive
// letter, or "www."), false for a local path.
bool IsWebAddress(const std::string& url);

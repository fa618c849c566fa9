#include "view/marked_menus.h"

#include <algorithm>
#include <cctype>

#include "resources/resource.h"
#include "util/menu_text.h"
#include "view/line_data.h"

namespace {

const char* const kSingular[] = {"Category", "Subcategory", "Bookmark"};
const char* const kPlural[] = {"Categories", "Subcategories", "Bookmarks"};

void Remove(ContextMenuPlan* plan, std::initializer_list<int> ids) {
  for (int id : ids)
    if (std::find(plan->removed.begin(), plan->removed.end(), id) == plan->removed.end())
      plan->removed.push_back(id);
}

// Every item of menu 102, in menu order.
constexpr int kAllItems[] = {ID_CMD_OPEN_SELECTED,
                             ID_CMD_OPEN_NEW_TAB,
                             ID_CMD_OPEN_FRONTMOST_TAB,
                             ID_CMD_OPEN_WITH_BASE,
                             ID_CMD_OPEN_FOLDER,
                             ID_CMD_EXPLORE,
                             ID_CMD_OPEN_ALL_IN_SUBCATEGORY,
                             ID_CMD_COPY_URL,
                             ID_CMD_TOGGLE_MARK,
                             ID_CMD_MOVE_MARKED_HERE,
                             ID_CMD_ALIAS_MARKED_HERE,
                             ID_CMD_CLEAR_MARKS,
                             ID_CMD_EDIT_TITLE,
                             ID_CMD_DELETE_SELECTED,
                             ID_CMD_TOGGLE_BOLD,
                             ID_CMD_INSERT_SEPARATOR,
                             ID_CMD_CHECK_SELECTED,
                             ID_CMD_ADD_TO_FAVORITES,
                             ID_CMD_SCHEDULE_VISIT,
                             ID_CMD_SHOW_ALIASES};
// From "Edi&t this" on: the items that change the list.
constexpr int kFirstChangingItem = 12;

}  // namespace

const BookmarkList* MarkSource(const BookmarkList& current, const BookmarkList* holding) {
  if (current.markedCount[0] + current.markedCount[1] + current.markedCount[2] > 0) return &current;
  if (holding && holding->markedCount[0] + holding->markedCount[1] + holding->markedCount[2] > 0)
    return holding;
  return nullptr;
}

bool CanInsertMarkedAt(BookmarkList& current, const BookmarkList* holding, int level) {
  const BookmarkList* source = MarkSource(current, holding);
  if (!source || level < 0 || level > 2 || source->markedCount[level] == 0) return false;
  if (level == 0) return source != &current;
  uint16_t parent = current.columns[level - 1].SelectedItem();
  if (parent == 0 || current.TestFlags(parent, kFlagSeparator)) return false;
  // SmartFolders fill themselves; the SmartFolders category holds only them.
  return !current.TestFlags(parent, kFlagSmartFolder);
}

std::string MarkedEntryText(int level, uint32_t count, const std::string& parentTitle) {
  std::string text = std::string("&") + (count == 1 ? kSingular[level] : kPlural[level]);
  if (level > 0) text += " into '" + MenuEscaped(parentTitle) + "'";
  return text;
}

MarkedMenus BuildMarkedMenus(BookmarkList& current, const BookmarkList* holding) {
  MarkedMenus menus;
  const BookmarkList* source = MarkSource(current, holding);
  menus.fromOtherList = source != nullptr && source != &current;
  menus.moveBase =
      menus.fromOtherList ? ID_CMD_MOVE_FROM_LIST_CATEGORY : ID_CMD_MOVE_MARKED_CATEGORY;
  menus.aliasBase =
      menus.fromOtherList ? ID_CMD_DUPLICATE_MARKED_CATEGORY : ID_CMD_ALIAS_MARKED_CATEGORY;
  menus.aliasTitle = menus.fromOtherList ? "&Duplicate Marked" : "&Alias Marked";
  if (!source) return menus;
  for (int level = 2; level >= 0; --level) {
    if (!CanInsertMarkedAt(current, holding, level)) continue;
    std::string parent =
        level > 0 ? LineText(current, current.columns[level - 1].SelectedItem()) : "";
    menus.entries.push_back({level, MarkedEntryText(level, source->markedCount[level], parent)});
  }
  return menus;
}

ContextMenuPlan PlanListContextMenu(const ContextMenuFacts& f) {
  ContextMenuPlan plan;
  const int level = f.level < 0 ? 0 : (f.level > 2 ? 2 : f.level);
  const std::string aliasWord = f.marksFromOtherList ? "&Duplicate marked " : "&Alias marked ";
  if (f.blank) {
    // A blank area keeps the separator and, where marks fit, the transfers.
    for (int id : kAllItems)
      if (id != ID_CMD_INSERT_SEPARATOR) Remove(&plan, {id});
    if (f.readOnly) Remove(&plan, {ID_CMD_INSERT_SEPARATOR});
    if (f.canInsertHere && !f.readOnly) {
      plan.removed.erase(
          std::remove_if(plan.removed.begin(), plan.removed.end(),
                         [&](int id) {
                           return id == ID_CMD_MOVE_MARKED_HERE || id == ID_CMD_ALIAS_MARKED_HERE ||
                                  (id == ID_CMD_CLEAR_MARKS && !f.marksFromOtherList);
                         }),
          plan.removed.end());
      plan.moveText = "&Move marked in here";
      plan.aliasText = aliasWord + "in here";
      plan.transferLevel = level;
    }
    return plan;
  }

  plan.markText = std::string(f.itemMarked ? "Unmark" : "Mark") + " this\tCtrl+X";
  plan.markCommand = ID_CMD_MARK_CATEGORY + level;
  if (level < 2) {
    Remove(&plan, {ID_CMD_SCHEDULE_VISIT, ID_CMD_ADD_TO_FAVORITES, ID_CMD_SHOW_ALIASES});
    // Opening and copying act on a bookmark.
    Remove(&plan, {ID_CMD_OPEN_SELECTED, ID_CMD_OPEN_NEW_TAB, ID_CMD_OPEN_FRONTMOST_TAB,
                   ID_CMD_OPEN_WITH_BASE, ID_CMD_OPEN_FOLDER, ID_CMD_EXPLORE, ID_CMD_COPY_URL});
    if (level == 0) Remove(&plan, {ID_CMD_OPEN_ALL_IN_SUBCATEGORY});
    if (f.smartFolder) Remove(&plan, {ID_CMD_DELETE_SELECTED, ID_CMD_TOGGLE_BOLD});
  } else if (f.webAddress) {
    Remove(&plan, {ID_CMD_EXPLORE, ID_CMD_OPEN_FOLDER, ID_CMD_OPEN_SELECTED});
    if (f.browserCount > 1)
      plan.openWithSubmenu = true;
    else
      Remove(&plan, {ID_CMD_OPEN_WITH_BASE});
  } else {
    Remove(&plan, {ID_CMD_OPEN_NEW_TAB, ID_CMD_OPEN_FRONTMOST_TAB, ID_CMD_OPEN_WITH_BASE});
    if (!f.fileExists || f.folderTarget) Remove(&plan, {ID_CMD_OPEN_SELECTED});
  }
  if (!f.anyMarks) Remove(&plan, {ID_CMD_CLEAR_MARKS});
  if (f.separator)
    Remove(&plan, {ID_CMD_OPEN_SELECTED, ID_CMD_OPEN_NEW_TAB, ID_CMD_OPEN_FRONTMOST_TAB,
                   ID_CMD_OPEN_WITH_BASE, ID_CMD_OPEN_FOLDER, ID_CMD_EXPLORE,
                   ID_CMD_OPEN_ALL_IN_SUBCATEGORY, ID_CMD_COPY_URL, ID_CMD_TOGGLE_MARK});
  if (f.readOnly)
    for (size_t i = kFirstChangingItem; i < sizeof kAllItems / sizeof kAllItems[0]; ++i)
      Remove(&plan, {kAllItems[i]});

  // Marks of the clicked item's own level go above it; marks one level
  // deeper go into it.
  if (!f.readOnly && f.canInsertHere) {
    plan.moveText = "&Move marked above here";
    plan.aliasText = aliasWord + "above here";
    plan.transferLevel = level;
  } else if (!f.readOnly && f.canInsertInside && level < 2 && !f.separator) {
    plan.moveText = "&Move marked in here";
    plan.aliasText = aliasWord + "in here";
    plan.transferLevel = level + 1;
    plan.insideClicked = true;
  } else {
    Remove(&plan, {ID_CMD_MOVE_MARKED_HERE, ID_CMD_ALIAS_MARKED_HERE});
  }
  return plan;
}

bool IsWebAddress(const std::string& url) {
  if (url.size() >= 4 && (url.compare(0, 4, "www.") == 0 || url.compare(0, 4, "WWW.") == 0))
    return true;
  size_t colon = url.find(':');
  // "C:\..." is a drive; a scheme has at least two letters.
  if (colon == std::string::npos || colon < 2) return false;
  for (size_t i = 0; i < colon; ++i) {
    unsigned char c = static_cast<unsigned char>(url[i]);
    if (!std::isalnum(c) && c != '+' && c != '-' && c != '.') return false;
  }
  return true;
}

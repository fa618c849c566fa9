// The enabling rules of the Edit menu that go beyond the command table's
// rows, and the "Move marked" and "Alias marked" / "Duplicate Marked"
// submenus, rebuilt on every update of the command state.
#include "ui/dynamic_menus.h"

#include "list/bookmark_list.h"
#include "resources/resource.h"
#include "ui/command_table.h"
#include "ui/main_window.h"
#include "view/marked_menus.h"

namespace {

// Menu positions of the Edit menu from "Cop&y marked bookmarks as" to
// "&Undelete items": disabled as a block when the list cannot be changed.
constexpr int kFirstChangingPosition = 15;
constexpr int kLastChangingPosition = 24;
constexpr int kCopyMarkedPosition = 15;
constexpr int kEditMenuPosition = 1;

bool RowEnabled(int id, const MainWindow* window) {
  const CommandRow* row = FindCommand(id);
  return row && CommandEnabled(*row, *window);
}

void EnableCommand(HMENU menu, int id, bool enabled) {
  EnableMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

int PositionOf(HMENU menu, int id) {
  for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i)
    if (GetMenuItemID(menu, i) == static_cast<UINT>(id)) return i;
  return -1;
}

void EmptyMenu(HMENU menu) {
  while (GetMenuItemCount(menu) > 0) DeleteMenu(menu, 0, MF_BYPOSITION);
}

// The deepest column with a selection, stopping before a column whose
// selected item is a separator; -1 when none.
int DeepestUsableSelection(const BookmarkList* list) {
  int deepest = -1;
  if (!list) return deepest;
  for (int level = 0; level < 3; ++level) {
    uint16_t item = list->columns[level].SelectedItem();
    if (item == 0 || list->TestFlags(item, kFlagSeparator)) break;
    deepest = level;
  }
  return deepest;
}

void RebuildMarkedSubmenus(HMENU edit, const ListSlots& lists, bool editable) {
  MarkedMenus menus;
  if (lists.currentList && editable)
    menus = BuildMarkedMenus(*lists.currentList, lists.markHoldingList.get());
  else
    menus.aliasTitle = "&Alias Marked";
  FillMarkedSubmenus(edit, menus);
}

}  // namespace

void FillMarkedSubmenus(HMENU edit, const MarkedMenus& menus) {
  int markFound = PositionOf(edit, ID_CMD_MARK_FOUND);
  if (markFound < 0) return;
  HMENU move = GetSubMenu(edit, markFound + 1);
  HMENU alias = GetSubMenu(edit, markFound + 2);
  if (!move || !alias) return;
  EmptyMenu(move);
  EmptyMenu(alias);
  for (const MarkedMenuEntry& entry : menus.entries) {
    AppendMenuA(move, MF_STRING, static_cast<UINT_PTR>(menus.moveBase + entry.level),
                entry.text.c_str());
    AppendMenuA(alias, MF_STRING, static_cast<UINT_PTR>(menus.aliasBase + entry.level),
                entry.text.c_str());
  }
  ModifyMenuA(edit, static_cast<UINT>(markFound + 2), MF_BYPOSITION | MF_POPUP | MF_STRING,
              reinterpret_cast<UINT_PTR>(alias), menus.aliasTitle.c_str());
  UINT state = menus.entries.empty() ? MF_GRAYED : MF_ENABLED;
  EnableMenuItem(edit, static_cast<UINT>(markFound + 1), MF_BYPOSITION | state);
  EnableMenuItem(edit, static_cast<UINT>(markFound + 2), MF_BYPOSITION | state);
}

void MainWindow::UpdateEditingState(HMENU menu) {
  ListSlots& lists = lists_;
  BookmarkList* list = lists.currentList.get();
  const bool editable = lists.CurrentIsWritable();
  const bool marks = list && HasMarkedItems(*list);

  // No list or a read-only list: nothing that changes it, and no
  // Fetch button.
  if (HWND fetch = Item(IDC_FETCH)) ShowWindow(fetch, editable ? SW_SHOW : SW_HIDE);
  uint16_t bookmark = list ? list->columns[2].SelectedItem() : 0;
  if (bookmark && list->TestFlags(bookmark, kFlagSeparator)) bookmark = 0;
  if (HWND open = Item(IDC_OPEN))
    EnableWindow(open, bookmark && RowEnabled(ID_CMD_OPEN_SELECTED, this));
  UpdateOpenButtonPicture(bookmark);
  UpdateVisitedText(bookmark);
  if (!menu) return;
  HMENU edit = GetSubMenu(menu, kEditMenuPosition);
  if (!edit) return;

  if (!editable) {
    EnableCommand(menu, ID_CMD_FETCH, false);
    EnableCommand(menu, ID_CMD_NEW_BOOKMARK, false);
    for (int pos = kFirstChangingPosition; pos <= kLastChangingPosition; ++pos)
      EnableMenuItem(edit, static_cast<UINT>(pos), MF_BYPOSITION | MF_GRAYED);
  } else {
    EnableCommand(menu, ID_CMD_NEW_BOOKMARK, true);
    for (int pos = kFirstChangingPosition; pos <= kLastChangingPosition; ++pos)
      if (GetSubMenu(edit, pos))
        EnableMenuItem(edit, static_cast<UINT>(pos), MF_BYPOSITION | MF_ENABLED);
    EnableMenuItem(edit, kCopyMarkedPosition, MF_BYPOSITION | (marks ? MF_ENABLED : MF_GRAYED));
  }

  // The log-in form needs a bookmark with a log-in or a password.
  EnableCommand(menu, ID_CMD_FILL_LOGIN_FORM,
                RowEnabled(ID_CMD_FILL_LOGIN_FORM, this) && bookmark &&
                    list->TestFlags(bookmark, kFlagHasLogin));

  // The per-level items: only down to the deepest usable selection; a
  // column is sorted when its parent is chosen.
  const int deepest = DeepestUsableSelection(list);
  for (int level = 0; level < 3; ++level) {
    bool selected = level <= deepest;
    EnableCommand(menu, ID_CMD_SEPARATOR_CATEGORY + level,
                  selected && RowEnabled(ID_CMD_SEPARATOR_CATEGORY, this));
    EnableCommand(menu, ID_CMD_BOLD_CATEGORY + level,
                  selected && RowEnabled(ID_CMD_BOLD_CATEGORY, this));
    EnableCommand(menu, ID_CMD_CHECK_CATEGORY + level,
                  selected && RowEnabled(ID_CMD_CHECK_CATEGORY, this));
    EnableCommand(menu, ID_CMD_SORT_CATEGORIES + level,
                  (level == 0 || level - 1 <= deepest) && RowEnabled(ID_CMD_SORT_CATEGORIES, this));
    EnableCommand(menu, ID_CMD_MARK_CATEGORY + level,
                  selected && RowEnabled(ID_CMD_MARK_CATEGORY, this));
  }
  RebuildMarkedSubmenus(edit, lists, editable);
}

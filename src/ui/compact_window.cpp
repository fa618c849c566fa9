#include "ui/compact_window.h"

#include "list/bookmark_list.h"
#include "list/list_edit.h"
#include "resources/resource.h"
#include "ui/bookmark_list_box.h"
#include "ui/list_view_dialog.h"
#include "ui/three_column_window.h"
#include "view/line_data.h"

void CompactWindow::RefillColumns(int fromLevel, bool keepSelection) {
  BookmarkList* list = List();
  if (!list) {
    ClearBox(2);
    SetItemText(IDC_CATEGORY_TITLE, "");
    SetItemText(IDC_SUBCATEGORY_TITLE, "");
    UpdateCommandState();
    return;
  }
  int start = fromLevel < 0 ? 0 : fromLevel;
  for (int level = start; level < 3; ++level)
    if (level > fromLevel || list->columns[0].entries.empty())
      list->FillColumn(level, keepSelection ? list->columns[level].SelectedItem() : 0);
  for (int level = 0; level < 2; ++level) {
    uint16_t item = list->columns[level].SelectedItem();
    SetItemText(IDC_CATEGORY_TITLE + level, item ? LineText(*list, item) : std::string());
  }
  FillBox(2);
  if (Columns()) Columns()->SelectionChanged();
  ListViewSelectionChanged(DeepestSelection(*list));
  RefreshNotesWindow();
  UpdateCommandState();
  UpdateStatusLine();
}

bool CompactWindow::OnWindowCommand(int id, int /*code*/) {
  switch (id) {
    case ID_CMD_PICK_CATEGORY:
    case ID_CMD_FOCUS_CATEGORIES:
      PickCategory();
      return true;
    case ID_CMD_PICK_SUBCATEGORY:
    case ID_CMD_FOCUS_SUBCATEGORIES:
      PickSubcategory();
      return true;
    case ID_CMD_FOCUS_BOOKMARKS:
      FocusItem(IDC_BOOKMARK_LIST);
      return true;
    case ID_CMD_NEW_BOOKMARK:
      // New bookmarks are typed in Organize mode: the window is rebuilt
      // for it, and the new bookmark starts there; Compact comes back after.
      // A remembered mode here means the switch was refused (the save
      // prompt cancelled): the command that followed it ends there.
      if (TakeModeBeforeNewItem() != 0) return true;
      RememberModeBeforeNewItem(kModeCompact);
      program_.PostProgramCommand(ID_CMD_MODE_ORGANIZE);
      program_.PostProgramCommand(ID_CMD_NEW_BOOKMARK);
      return true;
    case ID_CMD_MODE_REGULAR:
    case ID_CMD_MODE_ORGANIZE:
      program_.PostProgramCommand(id);
      return true;
    case ID_CMD_ADD_DROPPED_LINK:
      // A drop makes its bookmark in Organize mode, as Ctrl+N does; the
      // dropped link waits for the new window.
      if (TakeModeBeforeNewItem() != 0) {
        DroppedLink link;
        bool shift = false;
        TakeDroppedLink(&link, &shift);
        return true;
      }
      RememberModeBeforeNewItem(kModeCompact);
      program_.PostProgramCommand(ID_CMD_MODE_ORGANIZE);
      program_.PostProgramCommand(ID_CMD_ADD_DROPPED_LINK);
      return true;
    default:
      return false;
  }
}

bool CompactWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR* result) {
  if (msg == WM_VKEYTOITEM && reinterpret_cast<HWND>(lp) == Box(kLevelBookmark)) {
    // The arrows leave the bookmark list as Tab and Shift+Tab do.
    const UINT key = LOWORD(wp);
    *result = -1;
    if (key == VK_RIGHT || key == VK_LEFT) {
      SetFocus(GetNextDlgTabItem(hwnd_, Box(kLevelBookmark), key == VK_LEFT));
      *result = -2;
    }
    return true;
  }
  return MainWindow::OnMessage(msg, wp, lp, result);
}

// Organize mode's typing: titles and the address edited in place, and new
// categories, subcategories and bookmarks committed from their boxes.
#include <string>

#include "list/bookmark_list.h"
#include "list/list_edit.h"
#include "list/list_new_item.h"
#include "resources/resource.h"
#include "ui/bookmark_list_box.h"
#include "ui/choice_dialogs.h"
#include "ui/list_view_dialog.h"
#include "ui/three_column_window.h"
#include "util/messages.h"
#include "view/line_data.h"

namespace {

int modeBeforeNewItem = 0;

}  // namespace

void RememberModeBeforeNewItem(int mode) { modeBeforeNewItem = mode; }

int TakeModeBeforeNewItem() {
  int mode = modeBeforeNewItem;
  modeBeforeNewItem = 0;
  return mode;
}

void ThreeColumnWindow::ReplaceSelectedLine(int level) {
  BookmarkList* list = List();
  HWND box = Box(level);
  int line = list ? list->columns[level].selected : -1;
  if (!box || line < 0 || line >= static_cast<int>(SendMessageA(box, LB_GETCOUNT, 0, 0))) return;
  uint16_t item = list->columns[level].entries[static_cast<size_t>(line)];
  std::string text = LineText(*list, item);
  if (ColumnControls* columns = Columns()) columns->BoxLinesChanged(box);
  // The line data stay in lineData_ by position; only the text changes.
  SendMessageA(box, WM_SETREDRAW, FALSE, 0);
  SendMessageA(box, LB_DELETESTRING, static_cast<WPARAM>(line), 0);
  SendMessageA(box, LB_INSERTSTRING, static_cast<WPARAM>(line),
               reinterpret_cast<LPARAM>(text.c_str()));
  SendMessageA(box, LB_SETITEMDATA, static_cast<WPARAM>(line), item);
  SendMessageA(box, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
  SendMessageA(box, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(box, nullptr, TRUE);
}

void ThreeColumnWindow::OnTitleBoxChanged(int controlId) {
  int level = controlId == IDC_ADDRESS ? 2 : controlId - IDC_CATEGORY_TITLE;
  if (level < 0 || level > 2 || !OrganizeMode()) return;
  // Only the user's typing counts: the program is not filling the boxes,
  // the box has the focus, no new item is being typed there and the column
  // has a selection.
  if (fillingBoxes_ || GetFocus() != Item(controlId) || pending_[level]) return;
  BookmarkList* list = List();
  if (!list || !lists_.CurrentIsWritable()) return;
  uint16_t item = list->columns[level].SelectedItem();
  if (item == 0) return;
  bool changed = ApplyTitleEdit(*list, item, ItemText(IDC_CATEGORY_TITLE + level));
  if (level == 2) changed = ApplyAddressEdit(*list, item, ItemText(IDC_ADDRESS)) || changed;
  if (!changed) return;
  ReplaceSelectedLine(level);
  UpdateStatusLine();
}

bool ThreeColumnWindow::OnEnterInTitleBox() {
  if (!OrganizeMode()) return false;
  int id = GetDlgCtrlID(GetFocus());
  int level = id == IDC_ADDRESS ? 2 : id - IDC_CATEGORY_TITLE;
  if (level < 0 || level > 2 || GetFocus() != Item(id)) return false;
  if (pending_[level]) CommitNewItem(level);
  return true;
}

bool ThreeColumnWindow::CommitNewItem(int level) {
  BookmarkList* list = List();
  if (!list || !lists_.CurrentIsWritable()) return false;
  if (level == kLevelBookmark) return CommitNewBookmark();
  // A subcategory needs its category: a category still waiting for its
  // title is made first.
  for (int above = 0; above < level; ++above)
    if (pending_[above] && !CommitNewItem(above)) return false;
  BookmarkItem record;
  record.level = static_cast<int8_t>(level);
  record.title = EditedTitle(ItemText(IDC_CATEGORY_TITLE + level), false);
  int result = AddNewItem(*list, record);
  if (result == kEditNoMemory)
    MessageFromTable(hwnd_, IDS_OUT_OF_MEMORY_ADDING, MB_OK | MB_ICONEXCLAMATION);
  else if (result == kEditFull)
    MessageFromTable(hwnd_, IDS_LIST_FULL, MB_OK | MB_ICONEXCLAMATION, {lists_.CurrentName()});
  if (result <= 0) {
    MessageBeep(MB_OK);
    return false;
  }
  pending_[level] = false;
  RefillColumns(level, true);
  RefreshListView();
  FocusItem(IDC_CATEGORY_TITLE + level + 1);
  return true;
}

bool ThreeColumnWindow::CommitNewBookmark() {
  BookmarkList* list = List();
  std::string url = TrimBlanks(ItemText(IDC_ADDRESS));
  if (url.empty()) {
    MessageBeep(MB_OK);
    FocusItem(IDC_ADDRESS);
    return false;
  }
  // Containers typed for the bookmark are made first; without one it goes
  // under "Uncategorized".
  for (int above = 0; above < 2; ++above)
    if (pending_[above] && !TrimBlanks(ItemText(IDC_CATEGORY_TITLE + above)).empty() &&
        !CommitNewItem(above))
      return false;
  BookmarkItem record;
  record.level = kLevelBookmark;
  record.title = EditedTitle(ItemText(IDC_BOOKMARK_TITLE), false);
  record.url = url;
  uint16_t aliasOf = 0;
  if (uint16_t existing = FindAddress(*list, url)) {
    switch (AskDuplicateBookmark(hwnd_)) {
      case kDuplicateCreateAlias:
        aliasOf = existing;
        break;
      case kDuplicateCreateNew:
        break;
      case kDuplicateShow:
        ShowListView(kViewDuplicatesGrouped);
        return false;
      case kDuplicateCancelled:
        return false;
    }
  }
  int result = AddNewItem(*list, record, aliasOf);
  if (result == kEditNoMemory)
    MessageFromTable(hwnd_, IDS_OUT_OF_MEMORY_ADDING, MB_OK | MB_ICONEXCLAMATION);
  else if (result == kEditFull)
    MessageFromTable(hwnd_, IDS_LIST_FULL, MB_OK | MB_ICONEXCLAMATION, {lists_.CurrentName()});
  if (result <= 0) {
    if (result == kEditFailed) MessageBeep(MB_OK);
    return false;
  }
  pending_ = {false, false, false};
  RefillColumns(-1, true);
  RefreshListView();
  ReturnFromNewItem();
  return true;
}

void ThreeColumnWindow::ReturnFromNewItem() {
  int mode = previousMode_;
  previousMode_ = 0;
  if (mode == kModeCompact) {
    program_.PostProgramCommand(ID_CMD_MODE_COMPACT);
    return;
  }
  if (mode == kModeRegular) SetOrganize(false);
  if (mode != 0) FocusItem(IDC_SEARCH_TEXT);
}

// The editing commands of the main window: marks, moving, aliasing and
// duplicating marked items, deleting, purging, sorting, separators, bold,
// and the clipboard keys that act on edit boxes outside the columns.
#include <string>

#include "exchange/copy_as_win.h"
#include "list/bookmark_list.h"
#include "list/list_delete.h"
#include "list/list_edit.h"
#include "list/list_marks.h"
#include "list/list_sort.h"
#include "list/list_transfer.h"
#include "resources/resource.h"
#include "ui/choice_dialogs.h"
#include "ui/list_view_dialog.h"
#include "ui/main_window.h"
#include "util/messages.h"
#include "view/line_data.h"
#include "view/marked_menus.h"

namespace {

bool InRange(int id, int first, int last) { return id >= first && id <= last; }

// The window with the focus, if it belongs to the dialog.
HWND FocusedChild(HWND dialog) {
  HWND focus = GetFocus();
  return focus && IsChild(dialog, focus) ? focus : nullptr;
}

// Asks for the password of a list that needs one for the transfer; false
// when the user cancelled.
bool EnsurePassword(ListSlots& lists, BookmarkList& list, int knownIndex) {
  if (list.encryptionOptions == 0 || list.keyState == 2) return true;
  return lists.AskPassword(list, knownIndex, true);
}

}  // namespace

int MainWindow::FocusedLevel() const {
  if (mode_ == kModeCompact) return 2;
  HWND focus = GetFocus();
  if (focus) {
    int id = GetDlgCtrlID(focus);
    int level = LevelOfBox(id);
    if (level >= 0) return level;
    if (id >= IDC_CATEGORY_TITLE && id <= IDC_BOOKMARK_TITLE) return id - IDC_CATEGORY_TITLE;
    if (id == IDC_ADDRESS) return 2;
  }
  // Menus and buttons: the deepest column with a selection.
  BookmarkList* list = List();
  if (!list) return 2;
  for (int level = 2; level > 0; --level)
    if (list->columns[level].SelectedItem()) return level;
  return 0;
}

void MainWindow::RedrawMarks() {
  BookmarkList* list = List();
  for (int level = 0; level < 3; ++level) {
    HWND box = Box(level);
    if (!box || !list) continue;
    const ListColumn& column = list->columns[level];
    std::vector<uint32_t>& data = lineData_[level];
    if (data.size() != column.entries.size()) continue;
    for (size_t i = 0; i < data.size(); ++i)
      data[i] = ComputeLineData(*list, column.entries[i], HighlightingMatches());
    InvalidateRect(box, nullptr, FALSE);
  }
  UpdateStatusLine();
  UpdateCommandState();
}

void MainWindow::AfterEdit() {
  RefillColumns(-1, true);
  RefreshListView();
}

// ---- Marks ----------------------------------------------------------------

void MainWindow::OnToggleMarkLevel(int id) {
  BookmarkList* list = List();
  if (!list) return;
  ToggleMarkSelected(*list, id - ID_CMD_MARK_CATEGORY);
  RedrawMarks();
}

void MainWindow::OnToggleMarkFocused(int /*id*/) {
  // Ctrl+X in an edit box cuts its text.
  HWND focus = FocusedChild(hwnd_);
  if (focus && LevelOfBox(GetDlgCtrlID(focus)) < 0) {
    PostMessageA(focus, WM_CUT, 0, 0);
    return;
  }
  OnToggleMarkLevel(ID_CMD_MARK_CATEGORY + FocusedLevel());
}

void MainWindow::OnMarkAll(int /*id*/) {
  HWND focus = FocusedChild(hwnd_);
  if (focus && LevelOfBox(GetDlgCtrlID(focus)) < 0) {
    // In an edit box Ctrl+A selects its text.
    char className[16] = {};
    GetClassNameA(focus, className, sizeof className);
    if (lstrcmpiA(className, "Edit") == 0) SendMessageA(focus, EM_SETSEL, 0, -1);
    return;
  }
  BookmarkList* list = List();
  if (!list) return;
  int level = FocusedLevel();
  if (level == 0) {
    for (uint16_t category : list->columns[0].entries)
      if (!list->TestFlags(category, kFlagSeparator)) Mark(*list, category, 1, true, true);
  } else if (uint16_t parent = list->columns[level - 1].SelectedItem()) {
    Mark(*list, parent, 1, true, true);
  }
  RedrawMarks();
}

void MainWindow::OnClearMarks(int /*id*/) {
  BookmarkList* list = List();
  if (!list) return;
  ClearAllMarks(*list);
  RedrawMarks();
  RefreshListView();
}

void MainWindow::OnDeleteMarked(int /*id*/) {
  BookmarkList* list = List();
  if (!list) return;
  if (MessageFromTable(hwnd_, IDS_DELETE_MARKED, MB_OKCANCEL | MB_ICONQUESTION) != IDOK) return;
  DeleteMarked(*list);
  AfterEdit();
}

// ---- Moving, aliasing and duplicating marked items -----------------------

void MainWindow::OnTransferMarked(int id) {
  if (id == ID_CMD_ALIAS_MARKED_HERE || id == ID_CMD_MOVE_MARKED_HERE) {
    // Ctrl+Shift+V: aliases (or duplicates) of the marked items in the
    // focused column, as Ctrl+V moves them there.
    HWND focus = FocusedChild(hwnd_);
    int level = focus ? LevelOfBox(GetDlgCtrlID(focus)) : -1;
    BookmarkList* list = List();
    BookmarkList* holding = lists_.markHoldingList.get();
    if (level < 0 || !list || !CanInsertMarkedAt(*list, holding, level)) return;
    MarkedMenus menus = BuildMarkedMenus(*list, holding);
    RouteCommand((id == ID_CMD_ALIAS_MARKED_HERE ? menus.aliasBase : menus.moveBase) + level);
    return;
  }
  int operation = kTransferMove;
  int base = ID_CMD_MOVE_MARKED_CATEGORY;
  if (InRange(id, ID_CMD_MOVE_FROM_LIST_CATEGORY, ID_CMD_MOVE_FROM_LIST_BOOKMARK)) {
    operation = kTransferMoveFromHolding;
    base = ID_CMD_MOVE_FROM_LIST_CATEGORY;
  } else if (InRange(id, ID_CMD_ALIAS_MARKED_CATEGORY, ID_CMD_ALIAS_MARKED_BOOKMARK)) {
    operation = kTransferAlias;
    base = ID_CMD_ALIAS_MARKED_CATEGORY;
  } else if (InRange(id, ID_CMD_DUPLICATE_MARKED_CATEGORY, ID_CMD_DUPLICATE_MARKED_BOOKMARK)) {
    operation = kTransferCopyFromHolding;
    base = ID_CMD_DUPLICATE_MARKED_CATEGORY;
  }
  const int level = id - base;
  ListSlots& lists = lists_;
  BookmarkList* list = List();
  if (!list || level < 0 || level > 2) return;
  BookmarkList* holding = lists.markHoldingList.get();
  const bool fromHolding =
      operation == kTransferCopyFromHolding || operation == kTransferMoveFromHolding;
  if (fromHolding && !holding) return;
  // A wholly encrypted list, or passwords that must be converted between
  // the two lists, need the lists' passwords first.
  bool wholeList =
      (list->encryptionOptions & 2) != 0 || (fromHolding && (holding->encryptionOptions & 2) != 0);
  bool convert = fromHolding && (list->encryptionOptions != 0 || holding->encryptionOptions != 0);
  if (wholeList || convert) {
    if (!EnsurePassword(lists_, *list, lists.currentListIndex)) return;
    if (fromHolding && !EnsurePassword(lists_, *holding, lists.markHoldingListIndex)) return;
  }
  int result =
      TransferMarked(*list, holding, level, list->columns[level].SelectedItem(), operation);
  if (result == kEditNoMemory)
    MessageFromTable(hwnd_, IDS_OUT_OF_MEMORY_ADDING, MB_OK | MB_ICONEXCLAMATION);
  else if (result == kEditFull)
    MessageFromTable(hwnd_, IDS_LIST_FULL, MB_OK | MB_ICONEXCLAMATION, {lists.CurrentName()});
  AfterEdit();
}

void MainWindow::OnPaste(int /*id*/) {
  HWND focus = FocusedChild(hwnd_);
  int level = focus ? LevelOfBox(GetDlgCtrlID(focus)) : -1;
  if (level < 0) {
    if (focus) PostMessageA(focus, WM_PASTE, 0, 0);
    return;
  }
  BookmarkList* list = List();
  BookmarkList* holding = lists_.markHoldingList.get();
  if (!list || !CanInsertMarkedAt(*list, holding, level)) return;
  RouteCommand(BuildMarkedMenus(*list, holding).moveBase + level);
}

// ---- Copy as ----------------------------------------------------------------

void MainWindow::OnCopySelected(int id) {
  HWND focus = FocusedChild(hwnd_);
  // Ctrl+C outside the bookmark column copies the focused control's text.
  if (id == ID_CMD_COPY_URL && focus && GetDlgCtrlID(focus) != IDC_BOOKMARK_LIST) {
    PostMessageA(focus, WM_COPY, 0, 0);
    return;
  }
  BookmarkList* list = List();
  if (list) CopyAs(*list, list->columns[2].SelectedItem(), id, hwnd_);
}

void MainWindow::OnCopyMarked(int id) {
  BookmarkList* list = List();
  if (list) CopyAs(*list, 0, id, hwnd_);
}

// ---- Sort, bold, separators -----------------------------------------------

void MainWindow::OnSort(int id) {
  BookmarkList* list = List();
  if (!list) return;
  if (id == ID_CMD_SORT_ALL)
    SortAll(*list, kRootIndex, false);
  else if (id == ID_CMD_SORT_ALL_BOOKMARKS)
    SortAll(*list, kRootIndex, true);
  else
    SortColumn(*list, id == ID_CMD_SORT_FOCUSED ? FocusedLevel() : id - ID_CMD_SORT_CATEGORIES);
  AfterEdit();
}

void MainWindow::OnBold(int id) {
  BookmarkList* list = List();
  if (!list) return;
  ToggleBold(*list, id == ID_CMD_TOGGLE_BOLD ? FocusedLevel() : id - ID_CMD_BOLD_CATEGORY);
  RedrawMarks();
}

void MainWindow::OnSeparator(int id) {
  BookmarkList* list = List();
  if (!list) return;
  int result = InsertSeparator(
      *list, id == ID_CMD_INSERT_SEPARATOR ? FocusedLevel() : id - ID_CMD_SEPARATOR_CATEGORY);
  if (result == kEditNoMemory)
    MessageFromTable(hwnd_, IDS_OUT_OF_MEMORY_ADDING, MB_OK | MB_ICONEXCLAMATION);
  else if (result == kEditFull)
    MessageFromTable(hwnd_, IDS_LIST_FULL, MB_OK | MB_ICONEXCLAMATION, {lists_.CurrentName()});
  AfterEdit();
}

// ---- Deleting ---------------------------------------------------------------

void MainWindow::OnPurgeDeleted(int /*id*/) {
  BookmarkList* list = List();
  if (!list) return;
  if (MessageFromTable(hwnd_, IDS_PURGE_DELETED, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
  PurgeDeleted(*list);
  RefreshListView();
  RebuildDynamicMenus();
  AfterEdit();
}

void MainWindow::OnDeleteItem(int id) {
  BookmarkList* list = List();
  if (!list) return;
  const int level = id == ID_CMD_DELETE_SELECTED ? FocusedLevel() : id - ID_CMD_DELETE_CATEGORY;
  if (level < 0 || level > 2) return;
  uint16_t item = list->columns[level].SelectedItem();
  if (item == 0) return;
  if (IsSmartContainer(*list, item)) {
    MessageFromTable(hwnd_, IDS_SMARTFOLDERS_UNDELETABLE, MB_OK | MB_ICONINFORMATION);
    return;
  }
  // One question for both container levels: the program's own text says
  // "category" for a subcategory too.
  if (level < kLevelBookmark && list->CountChildren(item).children > 0 &&
      MessageFromTable(hwnd_, IDS_DELETE_ALL, MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
    return;
  bool allInstances = false;
  if (level == kLevelBookmark) {
    int instances = InstanceCount(*list, item);
    if (instances == 1) allInstances = true;
    if (instances == 2) {
      switch (AskDeleteBookmark(hwnd_, LineText(*list, item))) {
        case kDeleteAllInstances:
          allInstances = true;
          break;
        case kDeleteThisInstance:
          break;
        case kDeleteShowInstances:
          ShowListView(kViewAliases);
          return;
        case kDeleteCancelled:
          return;
      }
    }
  }
  DeleteSelected(*list, level, allInstances);
  AfterEdit();
}

// ---- Edit this ----------------------------------------------------------------

void MainWindow::OnEditTitle(int /*id*/) {
  const int level = FocusedLevel();
  if (mode_ != kModeCompact) {
    RouteCommand(ID_CMD_EDIT_CATEGORY_BOX + level);
    return;
  }
  // Compact mode is rebuilt as Organize first; the focus command follows
  // it to the new window.
  program_.PostProgramCommand(ID_CMD_MODE_ORGANIZE);
  program_.PostProgramCommand(ID_CMD_EDIT_CATEGORY_BOX + level);
}

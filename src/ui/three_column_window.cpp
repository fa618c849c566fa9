#include "ui/three_column_window.h"

#include "framework/child_layout.h"
#include "list/bookmark_list.h"
#include "list/list_edit.h"
#include "resources/resource.h"
#include "ui/bookmark_list_box.h"
#include "ui/list_view_dialog.h"
#include "ui/search_controller.h"

namespace {

// The list boxes are this many dialog units shorter in Organize mode, and
// the address box this many narrower (room for the Explore button).
constexpr int kOrganizeListUnits = 23;
constexpr int kOrganizeAddressUnits = 27;

constexpr int kOrganizeOnly[] = {IDC_CATEGORY_TITLE,  IDC_SUBCATEGORY_TITLE,  IDC_BOOKMARK_TITLE,
                                 IDC_NEW_CATEGORY,    IDC_NEW_SUBCATEGORY,    IDC_NEW_BOOKMARK,
                                 IDC_SORT_CATEGORIES, IDC_SORT_SUBCATEGORIES, IDC_SORT_BOOKMARKS,
                                 IDC_DELETE_CATEGORY, IDC_DELETE_SUBCATEGORY, IDC_DELETE_BOOKMARK,
                                 IDC_EXPLORE};
using framework::ShiftChild;
using framework::UnitsToPixelsX;
using framework::UnitsToPixelsY;

}  // namespace

bool ThreeColumnWindow::OnInit() {
  MainWindow::OnInit();
  if (Columns()) Columns()->ApplyStoredWidths();
  // The template is laid out for Regular mode.
  if (OrganizeMode()) ApplyOrganizeLayout(true);
  SendMessageA(Item(IDC_ADDRESS), EM_SETREADONLY, OrganizeMode() ? FALSE : TRUE, 0);
  return true;
}

void ThreeColumnWindow::ApplyOrganizeLayout(bool organize) {
  int listChange = UnitsToPixelsY(hwnd_, kOrganizeListUnits) * (organize ? -1 : 1);
  int addressChange = UnitsToPixelsX(hwnd_, kOrganizeAddressUnits) * (organize ? -1 : 1);
  for (int level = 0; level < 3; ++level)
    ShiftChild(hwnd_, IDC_CATEGORY_LIST + level, 0, 0, 0, listChange);
  ShiftChild(hwnd_, IDC_ADDRESS, 0, 0, addressChange, 0);
  for (int id : kOrganizeOnly) ShowItem(id, organize);
  for (int level = 0; level < 3; ++level) {
    BookmarkList* list = List();
    if (list)
      SendMessageA(Box(level), LB_SETCURSEL, static_cast<WPARAM>(list->columns[level].selected), 0);
  }
  // The boxes were resized without drawing, and the hidden controls leave
  // gaps: the window and all its children are drawn afresh.
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool ThreeColumnWindow::SetOrganize(bool organize) {
  if (OrganizeMode() == organize) return true;
  if (organize && lists_.HasCurrent() && !lists_.CurrentIsWritable()) return false;
  if (!SaveBeforeLeavingLists(false)) return false;
  mode_ = organize ? kModeOrganize : kModeRegular;
  settings_.SetWindowMode(mode_);
  if (!organize) previousMode_ = 0;
  SendMessageA(Item(IDC_ADDRESS), EM_SETREADONLY, organize ? FALSE : TRUE, 0);
  if (!organize) {
    // A new item being typed is dropped with its boxes ("http://" too).
    pending_ = {false, false, false};
    for (int level = 0; level < 3; ++level) ShowTitles(level);
    FocusItem(IDC_SEARCH_TEXT);
  }
  ApplyOrganizeLayout(organize);
  UpdateCommandState();
  UpdateStatusLine();
  return true;
}

void ThreeColumnWindow::ShowTitles(int level) {
  BookmarkList* list = List();
  uint16_t item = list ? list->columns[level].SelectedItem() : 0;
  const uint16_t shownBefore = titleItem_[level];
  titleItem_[level] = item;
  if (item == 0) {
    if (!OrganizeMode() || !pending_[level]) SetItemText(IDC_CATEGORY_TITLE + level, "");
    if (level == 2 && !(OrganizeMode() && pending_[2])) SetItemText(IDC_ADDRESS, "");
    return;
  }
  if (pending_[level]) return;
  BookmarkItem record;
  list->DecodeInto(item, true, &record);
  // Filling a box that has the focus sends the same notification as a key
  // would; read as typing, the address box's would store the other box's
  // old title into the new item (an alias: into its target).
  fillingBoxes_ = true;
  if (level == 2) SetItemText(IDC_ADDRESS, record.url);
  // The box the user is typing in keeps its text (and caret) while it still
  // belongs to the selected item; once another item is selected it shows
  // that item's title, or the next key would rename it with the old one.
  if (GetFocus() != Item(IDC_CATEGORY_TITLE + level) || shownBefore != item)
    SetItemText(IDC_CATEGORY_TITLE + level, record.title);
  fillingBoxes_ = false;
}

void ThreeColumnWindow::RefillColumns(int fromLevel, bool keepSelection) {
  BookmarkList* list = List();
  if (!list) {
    for (int level = 0; level < 3; ++level) {
      ClearBox(level);
      SetItemText(IDC_CATEGORY_TITLE + level, "");
    }
    SetItemText(IDC_ADDRESS, "");
    UpdateCommandState();
    return;
  }
  int start = fromLevel < 0 ? 0 : fromLevel;
  for (int level = start; level < 3; ++level) {
    // The starting column already holds the user's choice; the columns to
    // its right follow it.
    if (level > fromLevel || list->columns[0].entries.empty())
      list->FillColumn(level, keepSelection ? list->columns[level].SelectedItem() : 0);
    FillBox(level);
    // A column with a selection has no new item being typed.
    if (list->columns[level].SelectedItem() != 0) pending_[level] = false;
    ShowTitles(level);
  }
  ListViewSelectionChanged(DeepestSelection(*list));
  RefreshNotesWindow();
  UpdateCommandState();
  UpdateStatusLine();
}

void ThreeColumnWindow::StartNewItem(int level) {
  const bool wasOrganize = OrganizeMode();
  // The mode to return to once the item is made; taken even when no item
  // can be started, so that it cannot apply to a later one.
  const int remembered = TakeModeBeforeNewItem();
  if (!SetOrganize(true) || !List()) return;
  if (remembered)
    previousMode_ = remembered;
  else if (!wasOrganize)
    previousMode_ = kModeRegular;
  // A search waiting to run would refill the columns under the new item.
  if (SearchState() == kSearchPending) SetSearchState(kSearchNone, false);
  BookmarkList* list = List();
  bool copy = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
  list->columns[level].selected = -1;
  // The column and those to its right lose their selection; every column
  // without one waits for a title.
  for (int i = 2; i >= 0; --i) {
    if (i < level && list->columns[i].SelectedItem() != 0) continue;
    pending_[i] = true;
    if (!copy) SetItemText(IDC_CATEGORY_TITLE + i, "");
  }
  if (!copy) SetItemText(IDC_ADDRESS, "http://");
  RefillColumns(level, false);
  FocusItem(IDC_CATEGORY_TITLE + level);
}

bool ThreeColumnWindow::OnWindowCommand(int id, int code) {
  if (code == EN_CHANGE) {
    OnTitleBoxChanged(id);
    return true;
  }
  switch (id) {
    case IDOK:
      return OnEnterInTitleBox();
    case ID_CMD_NEW_CATEGORY:
    case ID_CMD_NEW_SUBCATEGORY:
    case ID_CMD_NEW_BOOKMARK:
      // The New button of a column waiting for a title makes the item.
      if (OrganizeMode() && pending_[id - ID_CMD_NEW_CATEGORY])
        CommitNewItem(id - ID_CMD_NEW_CATEGORY);
      else
        StartNewItem(id - ID_CMD_NEW_CATEGORY);
      return true;
    case ID_CMD_MODE_COMPACT:
      program_.PostProgramCommand(id);
      return true;
    case ID_CMD_MODE_REGULAR:
    case ID_CMD_MODE_ORGANIZE:
      SetOrganize(id == ID_CMD_MODE_ORGANIZE);
      return true;
    case ID_CMD_EDIT_CATEGORY_BOX:
    case ID_CMD_EDIT_SUBCATEGORY_BOX:
    case ID_CMD_EDIT_BOOKMARK_BOX:
      if (SetOrganize(true)) FocusItem(IDC_CATEGORY_TITLE + (id - ID_CMD_EDIT_CATEGORY_BOX));
      return true;
    case ID_CMD_FOCUS_CATEGORIES:
    case ID_CMD_FOCUS_SUBCATEGORIES:
    case ID_CMD_FOCUS_BOOKMARKS:
      FocusItem(IDC_CATEGORY_LIST + (id - ID_CMD_FOCUS_CATEGORIES));
      return true;
    case ID_CMD_ADD_DROPPED_LINK: {
      DroppedLink link;
      bool shift = false;
      if (TakeDroppedLink(&link, &shift)) AddBookmarkFrom(link.address, link.title, false, shift);
      return true;
    }
    default:
      return false;
  }
}

INT_PTR ThreeColumnWindow::OnColumnKey(int level, UINT key) {
  switch (key) {
    case VK_DELETE:
      // The key's own column, whatever has the focus by then.
      if (OrganizeMode()) RouteCommand(ID_CMD_DELETE_CATEGORY + level);
      return -2;
    case VK_RIGHT:
    case VK_LEFT:
      // The arrows move between the columns as Tab and Shift+Tab do.
      SetFocus(GetNextDlgTabItem(hwnd_, Box(level), key == VK_LEFT));
      return -2;
    default:
      return -1;
  }
}

bool ThreeColumnWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR* result) {
  if (msg == WM_VKEYTOITEM) {
    int level = LevelOfBox(GetDlgCtrlID(reinterpret_cast<HWND>(lp)));
    *result = level >= 0 ? OnColumnKey(level, LOWORD(wp)) : -1;
    return true;
  }
  return MainWindow::OnMessage(msg, wp, lp, result);
}

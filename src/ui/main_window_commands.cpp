// The common commands of the main window, the status line, the enabling
// of the menu bar and the menus rebuilt at run time.
#include <string>
#include <utility>
#include <vector>

#include "list/bookmark_list.h"
#include "platform/platform.h"
#include "resources/resource.h"
#include "ui/command_table.h"
#include "ui/list_dialogs.h"
#include "ui/main_window.h"
#include "util/messages.h"
#include "util/relative_time.h"

namespace {

constexpr int kListEntriesWithKeys = 10;

const char* LevelName(int level, uint32_t count) {
  static const char* const kSingular[] = {"category", "subcategory", "bookmark"};
  static const char* const kPlural[] = {"categories", "subcategories", "bookmarks"};
  return count == 1 ? kSingular[level] : kPlural[level];
}

// Behaviour-flag toggles of the background menu.
uint32_t BehaviourBitOf(int id) {
  switch (id) {
    case ID_CMD_SWITCH_TAB_DEFAULT:
      return kBehaviourNewTabDefault;
    case ID_CMD_AUTO_MINIMIZE:
      return kBehaviourAutoMinimize;
    case ID_CMD_ONE_CLICK_OPEN:
      return kBehaviourOneClickOpen;
    case ID_CMD_AUTO_OPEN:
      return kBehaviourAutoOpenUnique;
    default:
      return 0;
  }
}

// Ids whose message-line help is the text of another id.
int HelpTextId(int id) {
  if (id >= ID_CMD_MARK_CATEGORY && id <= ID_CMD_MARK_BOOKMARK) return ID_CMD_TOGGLE_MARK;
  if (id >= ID_CMD_NEW_CATEGORY && id <= ID_CMD_NEW_BOOKMARK)
    return (GetKeyState(VK_SHIFT) & 0x8000) ? ID_CMD_NEW_CATEGORY : IDS_HELP_NEW_ITEM;
  if (id >= ID_CMD_DELETE_SELECTED && id <= ID_CMD_DELETE_BOOKMARK) return ID_CMD_DELETE_SELECTED;
  if (id >= ID_CMD_SORT_FOCUSED && id <= ID_CMD_SORT_BOOKMARKS) return ID_CMD_SORT_FOCUSED;
  if (id >= ID_CMD_INSERT_SEPARATOR && id <= ID_CMD_SEPARATOR_BOOKMARK)
    return ID_CMD_INSERT_SEPARATOR;
  if (id >= ID_CMD_MOVE_MARKED_SUBCATEGORY && id <= ID_CMD_MOVE_MARKED_BOOKMARK)
    return ID_CMD_MOVE_MARKED_HERE;
  if (id >= ID_CMD_ALIAS_MARKED_SUBCATEGORY && id <= ID_CMD_ALIAS_MARKED_BOOKMARK)
    return ID_CMD_ALIAS_MARKED_HERE;
  if (id >= ID_CMD_DUPLICATE_MARKED_CATEGORY && id <= ID_CMD_DUPLICATE_MARKED_BOOKMARK)
    return IDS_HELP_DUPLICATE_MARKED;
  if (id >= ID_CMD_MOVE_FROM_LIST_CATEGORY && id <= ID_CMD_MOVE_FROM_LIST_BOOKMARK)
    return IDS_HELP_MOVE_MARKED_FROM_LIST;
  if (id >= ID_CMD_CHECK_LIST && id <= ID_CMD_CHECK_BOOKMARK) return ID_CMD_CHECK_SELECTED;
  return id;
}

// The top-level windows of this thread that owner owns.
BOOL CALLBACK CollectOwned(HWND window, LPARAM lp) {
  auto* found = reinterpret_cast<std::pair<HWND, std::vector<HWND>*>*>(lp);
  if (GetWindow(window, GW_OWNER) == found->first) found->second->push_back(window);
  return TRUE;
}

std::vector<HWND> OwnedWindows(HWND owner) {
  std::vector<HWND> owned;
  std::pair<HWND, std::vector<HWND>*> search(owner, &owned);
  EnumThreadWindows(GetCurrentThreadId(), CollectOwned, reinterpret_cast<LPARAM>(&search));
  return owned;
}

}  // namespace

void MainWindow::UpdateStatusLine() {
  HWND status = Item(IDC_STATUS_LINE);
  if (!status) return;
  const ListSlots& lists = lists_;
  const Settings& settings = settings_;
  const BookmarkList* list = lists.currentList.get();
  std::string text;
  if (list && list->markedCount[0] > 0) {
    const auto& n = list->markedCount;
    text = FillMessageArgs(
        platform::StringResource(IDS_STATUS_MARKED),
        {n[0], LevelName(0, n[0]), n[1], LevelName(1, n[1]), n[2], LevelName(2, n[2])});
  } else if (SearchState() == kSearchShown) {
    text = SearchStatusText();
  } else {
    std::string state = "n/a";
    if (list && list->readOnly)
      state = "read only";
    else if (list)
      state = "saved " + RelativeTimeText(list->lastSaveTime) + (list->modified ? "*" : "");
    std::string browser = "n/a";
    if (settings.defaultBrowser >= 0 &&
        settings.defaultBrowser < static_cast<int>(settings.browsers.size()))
      browser = settings.browsers[static_cast<size_t>(settings.defaultBrowser)].name;
    text = FillMessageArgs(platform::StringResource(IDS_STATUS_LIST),
                           {state, list ? list->bookmarkCount : 0u, browser});
  }
  SetWindowTextA(status, text.c_str());
}

void MainWindow::UpdateCommandState() {
  HMENU menu = GetMenu(hwnd_);
  size_t count = 0;
  const CommandRow* rows = CommandRows(&count);
  for (size_t i = 0; i < count; ++i) {
    const CommandRow& row = rows[i];
    bool enabled = CommandEnabled(row, *this);
    // Run-time ranges are enabled where they are built.
    int last = row.first >= ID_CMD_LIST_BASE ? row.first - 1 : row.last;
    for (int id = row.first; id <= last; ++id) {
      if (menu)
        EnableMenuItem(menu, static_cast<UINT>(id),
                       MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
      if (HWND button = Item(id)) {
        char className[16] = {};
        GetClassNameA(button, className, sizeof className);
        if (lstrcmpiA(className, "Button") == 0) EnableWindow(button, enabled ? TRUE : FALSE);
      }
    }
  }
  if (menu)
    CheckMenuRadioItem(menu, ID_CMD_MODE_COMPACT, ID_CMD_MODE_ORGANIZE,
                       ID_CMD_MODE_COMPACT - 1 + mode_, MF_BYCOMMAND);
  UpdateEditingState(menu);
  UpdateBrowserMenuState(menu);
}

void MainWindow::RebuildDynamicMenus() {
  SetText(MainWindowTitle(lists_.CurrentName()));
  HMENU menu = GetMenu(hwnd_);
  RebuildBrowserMenus(menu);
  HMENU file = menu ? GetSubMenu(menu, 0) : nullptr;
  if (!file) return;
  // The entries of the last build and their separator come first.
  while (GetMenuItemCount(file) > 0) {
    UINT id = GetMenuItemID(file, 0);
    bool listEntry = id >= ID_CMD_LIST_BASE && id < ID_CMD_LIST_BASE + 100;
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    GetMenuItemInfoA(file, 0, TRUE, &info);
    bool ourSeparator = (info.fType & MFT_SEPARATOR) && info.dwItemData == ID_CMD_LIST_BASE;
    if (!listEntry && !ourSeparator) break;
    DeleteMenu(file, 0, MF_BYPOSITION);
  }
  const auto& lists = settings_.lists;
  size_t shown = lists.size() < 100 ? lists.size() : 100;
  for (size_t n = 0; n < shown; ++n) {
    std::string text = lists[n].name;
    if (n < kListEntriesWithKeys) text += "\tCtrl+" + std::to_string((n + 1) % 10);
    InsertMenuA(file, static_cast<UINT>(n), MF_BYPOSITION | MF_STRING, ID_CMD_LIST_BASE + n,
                text.c_str());
  }
  if (shown > 0) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    info.fType = MFT_SEPARATOR;
    info.dwItemData = ID_CMD_LIST_BASE;
    InsertMenuItemA(file, static_cast<UINT>(shown), TRUE, &info);
    int current = lists_.currentListIndex;
    if (current < 0 || current >= static_cast<int>(shown)) current = 0;
    if (lists_.HasCurrent())
      CheckMenuRadioItem(file, 0, static_cast<UINT>(shown - 1), static_cast<UINT>(current),
                         MF_BYPOSITION);
  }
  DrawMenuBar(hwnd_);
  UpdateCommandState();
}

void MainWindow::ShowMenuHelp(int id, UINT flags, HMENU menu) {
  if (!settings_.HasBehaviour(kBehaviourMenuHelp)) return;
  if (flags == 0xFFFF && !menu) {
    UpdateStatusLine();
    return;
  }
  if (flags & (MF_POPUP | MF_SEPARATOR)) return;
  std::string text;
  if (id >= ID_CMD_LIST_BASE && id < ID_CMD_LIST_BASE + 100) {
    size_t n = static_cast<size_t>(id - ID_CMD_LIST_BASE);
    if (n < settings_.lists.size()) text = settings_.lists[n].path;
  } else {
    int textId = HelpTextId(id);
    text = platform::StringResource(textId);
    // The texts of the other list's marks name that list.
    const ListSlots& lists = lists_;
    if ((textId == IDS_HELP_DUPLICATE_MARKED || textId == IDS_HELP_MOVE_MARKED_FROM_LIST) &&
        lists.markHoldingList)
      text =
          FillMessageArgs(text, {lists.NameOf(*lists.markHoldingList, lists.markHoldingListIndex)});
  }
  if (text.empty())
    UpdateStatusLine();
  else
    SetItemText(IDC_STATUS_LINE, text);
}

// ---- Handlers -------------------------------------------------------------

void MainWindow::OnOpenOrCreate(int /*id*/) {
  // "Select or create bookmark list": a new name is created first, then
  // the list is opened.
  std::string path;
  if (!ChooseListPath(hwnd_, settings_.listFolder, &path)) return;
  // The open list is offered for saving before it is replaced.
  if (!SaveBeforeLeavingLists(false)) return;
  if (!platform::FileExists(path.c_str()) && !lists_.CreateList(path, false)) return;
  if (lists_.OpenListByPath(path, false)) RefreshDisplay();
}

void MainWindow::OnSave(int /*id*/) {
  ListSlots& lists = lists_;
  if (!lists.HasCurrent()) return;
  lists.SaveListStep(*lists.currentList, lists.currentListIndex, false, false, true);
  UpdateStatusLine();
}

void MainWindow::OnSaveCopy(int /*id*/) {
  lists_.SaveCopy();
  UpdateStatusLine();
}

void MainWindow::OnRevert(int /*id*/) {
  if (lists_.Revert()) RefreshDisplay();
}

void MainWindow::OnEncryptionOptions(int /*id*/) {
  if (lists_.CurrentIsWritable() && RunEncryptionOptionsDialog(hwnd_, *lists_.currentList))
    RefreshDisplay();
  UpdateStatusLine();
}

void MainWindow::OnSwitchList(int id) {
  int index = id - ID_CMD_LIST_BASE;
  // A key for a list that is not configured does nothing.
  if (index < 0 || index >= static_cast<int>(settings_.lists.size())) return;
  if (index == lists_.currentListIndex && lists_.HasCurrent()) return;
  if (!SaveBeforeLeavingLists(false)) return;
  // Opening the list brings this window up to date (ListHost::ListsChanged).
  lists_.OpenKnownList(index, false);
}

void MainWindow::OnPreviousList(int /*id*/) {
  // The list that holds marks, else the list shown before this one.
  int index = lists_.markHoldingList ? lists_.markHoldingListIndex : lists_.previousListIndex;
  if (index < 0) return;
  OnSwitchList(ID_CMD_LIST_BASE + index);
}

void MainWindow::OnExit(int /*id*/) {
  if (!SaveBeforeLeavingLists(true)) return;
  // Ending the program: the command window owns the run.
  program_.EndProgram();
}

void MainWindow::OnMinimize(int /*id*/) {
  // The whole program minimizes: the command window takes the main
  // window with it.
  program_.MinimizeProgram();
}

void MainWindow::OnFocusSearch(int /*id*/) {
  FocusItem(IDC_SEARCH_TEXT);
  Send(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_SEARCH_TEXT)), TRUE);
}

void MainWindow::OnToggleBehaviour(int id) { settings_.ToggleBehaviour(BehaviourBitOf(id)); }

void MainWindow::OnKeepAtFront(int /*id*/) {
  settings_.ToggleWindowFlag(Family(), kWindowKeepAtFront);
  ApplyKeepAtFront();
}

void MainWindow::ApplyKeepAtFront() {
  bool front = settings_.HasWindowFlag(Family(), kWindowKeepAtFront);
  const UINT how = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
  std::vector<HWND> owned = OwnedWindows(hwnd_);
  // Some window managers insert an owner raised into the topmost band
  // behind its owned windows and then leave it out of the band; the owned
  // windows are detached while the owner moves, then follow it.
  for (HWND window : owned) SetWindowLongPtrA(window, GWLP_HWNDPARENT, 0);
  SetWindowPos(hwnd_, front ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, how);
  for (HWND window : owned) {
    SetWindowLongPtrA(window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(hwnd_));
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    // Tips stay topmost; the dialogs go with their owner.
    bool dialog = lstrcmpA(className, "#32770") == 0;
    SetWindowPos(window, front || !dialog ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, how);
  }
}

void MainWindow::OnPassToCommandWindow(int id) { program_.PostProgramCommand(id); }

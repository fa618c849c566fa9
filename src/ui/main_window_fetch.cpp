// Fetch: the page a browser shows becomes a new bookmark in Organize
// mode. The choice made in the open-pages menu outlives a rebuild of the
// window (Compact hands the fetch to Organize mode), so it is kept here
// rather than in the window.
#include <string>
#include <vector>

#include "browser/dde_topics.h"
#include "browser/page_fetch_win.h"
#include "framework/scoped_handle.h"
#include "list/bookmark_list.h"
#include "list/list_new_item.h"
#include "resources/resource.h"
#include "ui/main_window.h"
#include "ui/three_column_window.h"
#include "util/messages.h"

namespace {

struct FetchChoice {
  int entry = -1;    // position in entries, or -1
  int browser = -1;  // chosen browser, or -1 for the default
  std::vector<browser::OpenPageEntry> entries;
  // The browser submenus of the open-pages menu being shown.
  std::vector<std::pair<HMENU, int>> popups;
};
FetchChoice choice;

void ResetChoice() { choice = FetchChoice(); }

// The open pages of a browser as menu entries; the command of an entry is
// its position + 1.
void AppendPages(HMENU popup, const Settings& settings, int browserIndex) {
  for (const browser::OpenPageEntry& entry : browser::ListOpenPages(settings, browserIndex)) {
    choice.entries.push_back(entry);
    AppendMenuA(popup, MF_STRING, choice.entries.size(),
                browser::MenuTextOfTitle(entry.title).c_str());
  }
}

}  // namespace

void MainWindow::OnFetch(int id) {
  BookmarkList* list = List();
  if (!list || !lists_.CurrentIsWritable()) {
    ResetChoice();
    return;
  }
  if (mode_ == kModeCompact) {
    // New bookmarks are made in Organize mode: the fetch runs again there
    // (a remembered mode here means the switch was refused).
    if (TakeModeBeforeNewItem() != 0) {
      ResetChoice();
      return;
    }
    RememberModeBeforeNewItem(kModeCompact);
    program_.PostProgramCommand(ID_CMD_MODE_ORGANIZE);
    program_.PostProgramCommand(id);
    return;
  }
  const int chosen = id == ID_CMD_FETCH ? choice.browser : id - ID_CMD_FETCH_FROM_BASE;
  const int index = browser::FetchBrowserIndex(settings_, chosen);
  const browser::OpenPageEntry* entry =
      choice.entry >= 0 && choice.entry < static_cast<int>(choice.entries.size())
          ? &choice.entries[static_cast<size_t>(choice.entry)]
          : nullptr;
  if (index < 0) {
    ResetChoice();
    MessageFromTable(hwnd_, IDS_NO_BROWSER, MB_OK | MB_ICONEXCLAMATION);
    ShowBrowserPreferencesLater();
    return;
  }
  browser::PageInfo page;
  const bool fetched = browser::FetchPage(settings_, index, entry, &page);
  ResetChoice();
  if (!fetched) {
    MessageFromTable(hwnd_, IDS_FETCH_FAILED, MB_OK | MB_ICONEXCLAMATION,
                     {settings_.browsers[static_cast<size_t>(index)].name});
    return;
  }
  AddBookmarkFrom(page.url, page.title, true);
}

void MainWindow::PrepareOpenPagesMenu(HMENU menu) {
  ResetChoice();
  const int count = GetMenuItemCount(menu);
  HCURSOR cursor = SetCursor(LoadCursor(nullptr, IDC_WAIT));
  for (int position = count - 1; position >= 0; --position) {
    const int browserIndex =
        static_cast<int>(GetMenuItemID(menu, position)) - ID_CMD_FETCH_FROM_BASE;
    if (GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & MF_GRAYED) continue;
    if (count == 1) {
      DeleteMenu(menu, 0, MF_BYPOSITION);
      AppendPages(menu, settings_, browserIndex);
      break;
    }
    char name[256] = {};
    GetMenuStringA(menu, static_cast<UINT>(position), name, sizeof name, MF_BYPOSITION);
    HMENU popup = CreatePopupMenu();
    ModifyMenuA(menu, static_cast<UINT>(position), MF_BYPOSITION | MF_POPUP,
                reinterpret_cast<UINT_PTR>(popup), name);
    choice.popups.emplace_back(popup, browserIndex);
  }
  SetCursor(cursor);
}

void MainWindow::OnOpenPageChosen(int command) {
  choice.popups.clear();
  if (command <= 0 || command > static_cast<int>(choice.entries.size())) {
    ResetChoice();
    return;
  }
  choice.entry = command - 1;
  choice.browser = choice.entries[static_cast<size_t>(choice.entry)].browser;
  RouteCommand(ID_CMD_FETCH_FROM_BASE + choice.browser);
}

void MainWindow::FillOpenPagesMenu(HMENU popup) {
  for (const auto& [menu, browserIndex] : choice.popups) {
    if (menu != popup || GetMenuItemCount(popup) > 0) continue;
    HCURSOR cursor = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    AppendPages(popup, settings_, browserIndex);
    SetCursor(cursor);
  }
}

bool MainWindow::AddBookmarkFrom(const std::string&, const std::string&, bool) { return false; }

bool ThreeColumnWindow::AddBookmarkFrom(const std::string& address, const std::string& title,
                                        bool /*fetched*/) {
  SetForegroundWindow(hwnd_);
  const bool wasOrganize = OrganizeMode();
  const int remembered = TakeModeBeforeNewItem();
  if (!SetOrganize(true) || !List()) return false;
  if (remembered)
    previousMode_ = remembered;
  else if (!wasOrganize)
    previousMode_ = kModeRegular;
  BookmarkList* list = List();
  // Shift with a selected bookmark: the address replaces its address, which
  // the live editing stores once the box is changed.
  if ((GetKeyState(VK_SHIFT) & 0x8000) && list->columns[kLevelBookmark].SelectedItem() != 0) {
    FocusItem(IDC_ADDRESS);
    SetItemText(IDC_ADDRESS, address);
    return true;
  }
  if (SearchState() == kSearchPending) SetSearchState(kSearchNone, false);
  list->columns[kLevelBookmark].selected = -1;
  pending_[kLevelBookmark] = true;
  for (int level = 0; level < kLevelBookmark; ++level) {
    if (list->columns[level].SelectedItem() != 0) continue;
    const bool empty = ItemText(IDC_CATEGORY_TITLE + level).empty();
    if (empty || !pending_[level]) {
      pending_[level] = true;
      SetItemText(IDC_CATEGORY_TITLE + level, kUncategorizedTitle);
    }
  }
  RefillColumns(kLevelBookmark, false);
  SetItemText(IDC_BOOKMARK_TITLE, title);
  SetItemText(IDC_ADDRESS, address);
  UpdateCommandState();
  FocusItem(IDC_BOOKMARK_TITLE);
  SendMessageA(Item(IDC_BOOKMARK_TITLE), EM_SETSEL, 0, -1);
  return true;
}

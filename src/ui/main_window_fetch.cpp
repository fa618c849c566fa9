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

// The open-pages menu holds at most this many pages (its command range).
constexpr size_t kMaxOpenPages = 100;

// The open pages of a browser as menu entries; the command of an entry is
// ID_CMD_OPEN_PAGE_BASE + its position among the entries.
void AppendPages(HMENU popup, const Settings& settings, int browserIndex) {
  for (const browser::OpenPageEntry& entry : browser::ListOpenPages(settings, browserIndex)) {
    if (choice.entries.size() >= kMaxOpenPages) break;
    AppendMenuA(popup, MF_STRING, ID_CMD_OPEN_PAGE_BASE + choice.entries.size(),
                browser::MenuTextOfTitle(entry.title).c_str());
    choice.entries.push_back(entry);
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
  const int position = command - ID_CMD_OPEN_PAGE_BASE;
  if (position < 0 || position >= static_cast<int>(choice.entries.size())) {
    ResetChoice();
    return;
  }
  choice.entry = position;
  choice.browser = choice.entries[static_cast<size_t>(choice.entry)].browser;
  RouteCommand(ID_CMD_FETCH_FROM_BASE + choice.browser);
}

void MainWindow::FillOpenPagesMenu(HMENU popup) {
  // The Edit menu's Fetch submenu lists the open pages each time it opens,
  // as the Fetch button's menu does.
  if (RefillFetchSubmenu(popup)) {
    PrepareOpenPagesMenu(popup);
    return;
  }
  for (const auto& [menu, browserIndex] : choice.popups) {
    if (menu != popup || GetMenuItemCount(popup) > 0) continue;
    HCURSOR cursor = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    AppendPages(popup, settings_, browserIndex);
    SetCursor(cursor);
  }
}

bool MainWindow::AddBookmarkFrom(const std::string&, const std::string&, bool, int) {
  return false;
}

bool ThreeColumnWindow::AddBookmarkFrom(const std::string& address, const std::string& title,
                                        bool /*fetched*/, int replaceAddress) {
  SetForegroundWindow(hwnd_);
  const bool wasOrganize = OrganizeMode();
  const int remembered = TakeModeBeforeNewItem();
  if (!SetOrganize(true) || !List()) return false;
  if (remembered)
    previousMode_ = remembered;
  else if (!wasOrganize)
    previousMode_ = kModeRegular;
  BookmarkList* list = List();
  // Shift with a selected bookmark: the address replaces its address, as
  // if typed into the address box. The live editing stores what is typed
  // only while the box has the focus, which a window that another program
  // dropped on may not get: the address is stored here as well.
  const bool shift =
      replaceAddress < 0 ? (GetKeyState(VK_SHIFT) & 0x8000) != 0 : replaceAddress != 0;
  if (const uint16_t selected = list->columns[kLevelBookmark].SelectedItem(); shift && selected) {
    FocusItem(IDC_ADDRESS);
    SetItemText(IDC_ADDRESS, address);
    if (lists_.CurrentIsWritable() && ApplyAddressEdit(*list, selected, ItemText(IDC_ADDRESS)))
      UpdateStatusLine();
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

// The main window's browser menus and the right-click menus of its Open
// and Fetch buttons and Visited text; the default browser, the visit
// times of the selected bookmark and the About box.
#include <string>
#include <vector>

#include "framework/scoped_handle.h"
#include "list/bookmark_list.h"
#include "list/visits.h"
#include "resources/resource.h"
#include "ui/about_dialog.h"
#include "ui/browser_menus.h"
#include "ui/command_table.h"
#include "ui/main_window.h"
#include "view/marked_menus.h"

namespace {

BrowserMenuFacts BrowserFacts(const MainWindow& window) {
  BrowserMenuFacts facts;
  const Settings& settings = window.UserSettings();
  for (const BrowserEntry& browser : settings.browsers) facts.names.push_back(browser.name);
  facts.defaultBrowser = settings.defaultBrowser;
  facts.fetchAllowed = window.Lists().CurrentIsWritable();
  return facts;
}

// The command table's rule for the entries of a menu.
CommandEnabledFn EnabledIn(const MainWindow* window) {
  return [window](int id) {
    const CommandRow* row = FindCommand(id);
    return row && CommandEnabled(*row, *window);
  };
}

// A right-click from the keyboard comes without a position: the menu opens
// at the control.
POINT MenuPoint(HWND control, POINT screen) {
  if (screen.x != -1 || screen.y != -1) return screen;
  RECT r = {};
  GetWindowRect(control, &r);
  return {r.left + 4, r.bottom};
}

int Track(HMENU menu, HWND owner, POINT at) {
  return TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, owner,
                        nullptr);
}

// The bookmark selected in the bookmark column (not a separator), or 0.
uint16_t SelectedBookmark(BookmarkList* list) {
  if (!list) return 0;
  uint16_t item = list->columns[kLevelBookmark].SelectedItem();
  return item && list->TestFlags(item, kFlagBookmark) && !list->TestFlags(item, kFlagSeparator)
             ? item
             : 0;
}

}  // namespace

void MainWindow::RebuildBrowserMenus(HMENU bar) {
  if (!bar) return;
  RebuildBrowserSubmenus(bar, BrowserFacts(*this), EnabledIn(this));
}

void MainWindow::UpdateBrowserMenuState(HMENU bar) {
  if (bar) EnableBrowserSubmenus(bar, BrowserFacts(*this));
}

void MainWindow::OnSetDefaultBrowser(int id) {
  Settings& settings = settings_;
  const int n = id - ID_CMD_DEFAULT_BROWSER_BASE;
  // A browser that is not configured is ignored.
  if (n < 0 || n >= static_cast<int>(settings.browsers.size())) return;
  settings.defaultBrowser = n;
  RebuildBrowserMenus(GetMenu(hwnd_));
  UpdateStatusLine();
  // The Open button follows the browser that will open the selection.
  UpdateCommandState();
}

void MainWindow::ShowOpenButtonMenu(POINT screen) {
  BookmarkList* list = List();
  uint16_t item = SelectedBookmark(list);
  if (!item) return;
  BookmarkItem record;
  list->DecodeInto(item, true, &record);
  OpenMenuFacts facts;
  facts.webAddress = IsWebAddress(record.url);
  if (!facts.webAddress) {
    DWORD attributes = GetFileAttributesA(record.url.c_str());
    facts.folder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
  }
  facts.newTabDefault = settings_.HasBehaviour(kBehaviourNewTabDefault);
  framework::ScopedMenu bar(LoadOpenButtonMenu(facts, BrowserFacts(*this), EnabledIn(this)));
  HMENU menu = bar.Get() ? GetSubMenu(bar.Get(), 0) : nullptr;
  if (!menu || GetMenuItemCount(menu) == 0) return;
  int chosen = Track(menu, hwnd_, MenuPoint(Item(IDC_OPEN), screen));
  if (chosen > 0) RouteCommand(chosen);
}

void MainWindow::ShowFetchButtonMenu(POINT screen) {
  framework::ScopedMenu menu(BuildFetchButtonMenu(BrowserFacts(*this), EnabledIn(this)));
  if (!menu.Get()) return;
  PrepareOpenPagesMenu(menu.Get());
  if (GetMenuItemCount(menu.Get()) == 0) return;
  int chosen = Track(menu.Get(), hwnd_, MenuPoint(Item(IDC_FETCH), screen));
  OnOpenPageChosen(chosen);
}

bool MainWindow::RefillFetchSubmenu(HMENU popup) {
  if (!popup || popup != FetchSubmenu(GetMenu(hwnd_))) return false;
  FillBrowserPopup(popup, BrowserFacts(*this).names, ID_CMD_FETCH_FROM_BASE, -1, EnabledIn(this));
  return true;
}

void MainWindow::ShowVisitedMenu(POINT screen) {
  if (!SelectedBookmark(List())) return;
  framework::ScopedMenu bar(
      LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_LAST_VISIT_MENU)));
  HMENU menu = bar.Get() ? GetSubMenu(bar.Get(), 0) : nullptr;
  if (!menu) return;
  GreyDisabledEntries(menu, EnabledIn(this));
  int chosen = Track(menu, hwnd_, MenuPoint(Item(IDC_LAST_VISIT), screen));
  if (chosen > 0) RouteCommand(chosen);
}

void MainWindow::OnVisitedTime(int id) {
  BookmarkList* list = List();
  uint16_t item = SelectedBookmark(list);
  if (!item) return;
  if (id == ID_CMD_VISITED_NOW)
    RecordVisit(*list, item);
  else
    SetVisitNever(*list, item);
  // The SmartFolders and the recently-visited colour may change.
  AfterEdit();
  UpdateStatusLine();
}

void MainWindow::OnAbout(int /*id*/) { ShowAboutBox(hwnd_); }

// Opening bookmarks from the main window: the Open button and Ctrl+O (with
// Shift and Alt), the tab choices, "Open &folder" and "E&xplore", a
// browser of the list, every bookmark of a subcategory, the marked
// bookmarks, a blank tab and a typed address. The opening itself is
// browser::OpenAddress; the window answers its questions here.
#include <windows.h>
// windows.h first: shellapi.h needs its definitions.
#include <shellapi.h>

#include <algorithm>
#include <string>
#include <vector>

#include "browser/open_address.h"
#include "browser/open_ports.h"
#include "browser/open_system_win.h"
#include "list/bookmark_list.h"
#include "list/list_marks.h"
#include "list/visits.h"
#include "resources/resource.h"
#include "ui/main_window.h"
#include "ui/open_prompts.h"
#include "util/messages.h"
#include "util/web_site.h"

namespace {

using browser::TabChoice;

// The window's side of opening one address: messages over the window, the
// visit of the bookmark opened (none for a blank tab or a typed address).
class WindowOpenHost : public browser::OpenHost {
 public:
  WindowOpenHost(MainWindow& window, uint16_t item) : window_(window), item_(item) {}

  void ShowMessage(int id, const std::string& argument) override {
    const unsigned icon = id == IDS_NO_MATCHING_DOCUMENT ? MB_ICONSTOP : MB_ICONEXCLAMATION;
    MessageFromTable(window_.Handle(), id, MB_OK | icon, {argument});
  }
  // No browser, or one that would not start: the preferences at "Browsers"
  // follow the message, once the command is over.
  void ShowBrowserPreferences() override { window_.ShowBrowserPreferencesLater(); }
  void RecordVisit() override {
    BookmarkList* list = window_.List();
    if (!item_ || !list) return;
    ::RecordVisit(*list, item_);
    visited_ = true;
  }
  void Minimize() override { SendMessageA(window_.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0); }
  bool AskQuickSearchText(const std::string& prompt, std::string* text) override {
    return AskQuickSearchTerm(window_.Handle(), prompt, text);
  }

  bool Visited() const { return visited_; }

 private:
  MainWindow& window_;
  uint16_t item_;
  bool visited_ = false;
};

bool IsOpenableBookmark(BookmarkList& list, uint16_t item) {
  return item && !list.IsDeleted(item) && list.TestFlags(item, kFlagBookmark) &&
         !list.TestFlags(item, kFlagSeparator);
}

int BrowserOfCommand(int id, int base, const Settings& settings) {
  const int n = id - base;
  return n >= 0 && n < static_cast<int>(settings.browsers.size()) ? n : -2;
}

}  // namespace

bool MainWindow::OpenItem(uint16_t item, int tabChoice, bool openFolder, bool explore,
                          int browserIndex) {
  BookmarkList* list = List();
  if (!list || !IsOpenableBookmark(*list, item)) return false;
  BookmarkItem record;
  list->DecodeInto(item, true, &record);
  browser::OpenRequest request;
  request.address = record.url;
  request.title = record.title;
  request.bookmarkBrowser = record.browser;
  request.browserIndex = browserIndex;
  request.tab = static_cast<TabChoice>(tabChoice);
  request.openFolder = openFolder;
  request.explore = explore;
  browser::WinOpenSystem system;
  WindowOpenHost host(*this, item);
  const bool opened = browser::OpenAddress(request, settings_, system, host);
  if (host.Visited()) {
    // The SmartFolders, the visit colour and the status line follow.
    AfterEdit();
    UpdateStatusLine();
  }
  return opened;
}

void MainWindow::OnOpenSelected(int id) {
  BookmarkList* list = List();
  if (!list) return;
  const uint16_t item = list->columns[kLevelBookmark].SelectedItem();
  switch (id) {
    case ID_CMD_OPEN_NEW_TAB:
      OpenItem(item, static_cast<int>(TabChoice::kNewTab), false, false, -1);
      break;
    case ID_CMD_OPEN_FRONTMOST_TAB:
      OpenItem(item, static_cast<int>(TabChoice::kFrontmost), false, false, -1);
      break;
    case ID_CMD_OPEN_FOLDER:
      OpenItem(item, static_cast<int>(TabChoice::kDefault), true, false, -1);
      break;
    case ID_CMD_EXPLORE:
    case IDC_EXPLORE:
      OpenItem(item, static_cast<int>(TabChoice::kDefault), true, true, -1);
      break;
    default:  // the Open button, Ctrl+O with Shift and Alt, "Open &with" alone
      OpenItem(item, static_cast<int>(TabChoice::kDefault), false, false, -1);
      break;
  }
}

void MainWindow::OnOpenWithBrowser(int id) {
  const int index = BrowserOfCommand(id, ID_CMD_OPEN_WITH_BASE, settings_);
  BookmarkList* list = List();
  if (index < 0 || !list) return;
  OpenItem(list->columns[kLevelBookmark].SelectedItem(), static_cast<int>(TabChoice::kDefault),
           false, false, index);
}

void MainWindow::OnOpenAllInSubcategory(int /*id*/) {
  BookmarkList* list = List();
  if (!list) return;
  // Opening refills the column (a SmartFolder may reorder it): the
  // bookmarks are taken before, and each is selected where it is now.
  const std::vector<uint16_t> items = list->columns[kLevelBookmark].entries;
  for (uint16_t item : items) {
    if (!IsOpenableBookmark(*list, item)) continue;
    ListColumn& column = list->columns[kLevelBookmark];
    auto at = std::find(column.entries.begin(), column.entries.end(), item);
    if (at != column.entries.end()) {
      column.selected = static_cast<int>(at - column.entries.begin());
      RefillColumns(kLevelBookmark, true);
    }
    OpenItem(item, static_cast<int>(TabChoice::kNewTab), false, false, -1);
    if (BrowserUnreachable()) return;
  }
}

void MainWindow::OnOpenMarked(int /*id*/) {
  BookmarkList* list = List();
  if (!list) return;
  for (uint16_t item = list->Next(0, true); item != 0; item = list->Next(item, true)) {
    if (!list->TestFlags(item, kFlagMarked) || !IsOpenableBookmark(*list, item)) continue;
    OpenItem(item, static_cast<int>(TabChoice::kNewTab), false, false, -1);
    // The browser cannot be reached: one message, and the marks are kept
    // for another try once the browser is put right.
    if (BrowserUnreachable()) return;
  }
  ClearAllMarks(*list);
  RedrawMarks();
  RefreshListView();
}

void MainWindow::OnOpenBlankTab(int id) {
  const int index =
      id == ID_CMD_OPEN_BLANK_TAB ? -1 : BrowserOfCommand(id, ID_CMD_BLANK_TAB_BASE, settings_);
  if (index < -1) return;
  browser::WinOpenSystem system;
  WindowOpenHost host(*this, 0);
  browser::OpenBlankTab(index, settings_, system, host);
}

void MainWindow::OnOpenTypedAddress(int id) {
  const int index = id == ID_CMD_OPEN_NEW_BOOKMARK
                        ? -1
                        : BrowserOfCommand(id, ID_CMD_OPEN_ADDRESS_BASE, settings_);
  if (index < -1) return;
  std::string typed;
  if (!AskTypedAddress(hwnd_, &typed)) return;
  browser::WinOpenSystem system;
  WindowOpenHost host(*this, 0);
  browser::OpenTypedAddress(typed, index, settings_, system, host);
}

void MainWindow::OnWebPage(int id) {
  browser::OpenRequest request;
  request.address = id == ID_CMD_WEB_SITE ? kWebSiteAddress : kOnlineSupportAddress;
  browser::WinOpenSystem system;
  WindowOpenHost host(*this, 0);
  browser::OpenAddress(request, settings_, system, host);
}

void MainWindow::UpdateOpenButtonPicture(uint16_t bookmark) {
  HWND button = Item(IDC_OPEN);
  BookmarkList* list = List();
  if (!button) return;
  std::string program;
  if (list && bookmark) {
    BookmarkItem record;
    list->DecodeInto(bookmark, true, &record);
    if (browser::IsInternetAddress(record.url) && !browser::IsMailAddress(record.url)) {
      int index = browser::BrowserByService(settings_, record.browser);
      if (index < 0) index = settings_.defaultBrowser;
      if (index >= 0 && index < static_cast<int>(settings_.browsers.size()))
        program = browser::SplitCommandLine(settings_.browsers[index].path).program;
    } else {
      program = browser::SplitCommandLine(record.url).program;
    }
  }
  SHFILEINFOA info = {};
  HICON icon = nullptr;
  if (!program.empty() &&
      SHGetFileInfoA(program.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON))
    icon = info.hIcon;
  SendMessageA(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
  openIcon_.Reset(icon);
  InvalidateRect(button, nullptr, TRUE);
}

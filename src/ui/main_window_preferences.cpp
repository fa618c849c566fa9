// The preferences from the main window: "&Configure web browsers" (5078),
// "&Configure bookmark lists" (5079) and "&Preferences" (5080) open the
// dialog at their page; after each Apply the program and this window
// follow the changed settings.
#include <functional>
#include <string>

#include "list/list_merge.h"
#include "list/list_paths.h"
#include "resources/resource.h"
#include "ui/list_dialogs.h"
#include "ui/main_window.h"
#include "ui/preferences_dialog.h"
#include "util/messages.h"

namespace {

int PageOfCommand(int id) {
  switch (id) {
    case ID_CMD_CONFIGURE_BROWSERS:
      return kPageBrowsers;
    case ID_CMD_CONFIGURE_LISTS:
      return kPageLists;
    default:
      return kPageBehavior;
  }
}

class WindowPreferencesHost : public PreferencesHost {
 public:
  explicit WindowPreferencesHost(MainWindow& window) : window_(window) {}

  Settings& UserSettings() override { return window_.UserSettings(); }
  void PreferencesApplied() override { window_.FollowPreferences(); }
  void SaveSettingsWithBackup() override { window_.Lists().Host().SaveSettings(); }

  void KnownListsRenumbered(const std::function<int(int)>& newIndexOf) override {
    ListSlots& lists = window_.Lists();
    for (int* index :
         {&lists.currentListIndex, &lists.markHoldingListIndex, &lists.previousListIndex})
      if (*index >= 0) *index = newIndexOf(*index);
    if (lists.currentListIndex >= 0)
      window_.UserSettings().currentListIndex = lists.currentListIndex;
  }

  bool MergeListFile(const std::string& listPath, const std::string& sourcePath) override {
    HWND owner = GetActiveWindow();
    const MergePasswordPrompt ask = [owner](const std::string& path, std::string* password) {
      return RunPasswordDialog(owner, MessageBody(IDS_DECRYPT_TITLE, {ListNameFromPath(path)}),
                               password);
    };
    // An open list takes the items in place; another is read, merged and
    // saved.
    ListSlots& lists = window_.Lists();
    BookmarkList* open = nullptr;
    for (BookmarkList* list : {lists.currentList.get(), lists.markHoldingList.get()})
      if (list && SamePath(list->path, listPath)) open = list;
    int result;
    if (open && open->readOnly) {
      result = kMergeUnreadable;
    } else if (open) {
      result = ::MergeListFile(*open, sourcePath, ask);
    } else {
      result = MergeIntoListFile(listPath, sourcePath, ask);
    }
    switch (result) {
      case kMergeUnreadable:
        MessageFromTable(owner, IDS_CANNOT_OPEN_LIST, MB_OK | MB_ICONEXCLAMATION,
                         {open && open->readOnly ? listPath : sourcePath});
        return false;
      case kMergeFull:
        MessageFromTable(owner, IDS_LIST_FULL, MB_OK | MB_ICONEXCLAMATION,
                         {ListNameFromPath(listPath)});
        return false;
      case kMergeNotSaved:
        MessageFromTable(owner, IDS_CANNOT_SAVE_LIST, MB_OK | MB_ICONEXCLAMATION, {listPath});
        return false;
      default:
        break;
    }
    if (result < 0) return false;
    if (open == lists.currentList.get()) {
      window_.AfterEdit();
      window_.UpdateStatusLine();
    }
    return true;
  }

 private:
  MainWindow& window_;
};

}  // namespace

void MainWindow::ShowBrowserPreferencesLater() {
  // A command that opens many bookmarks may fail for each: the dialog
  // comes once, after the command and its messages.
  browserPreferencesWanted_ = true;
  if (commandDepth_ == 0) AfterOutermostCommand();
}

void MainWindow::AfterOutermostCommand() {
  if (!browserPreferencesWanted_) return;
  browserPreferencesWanted_ = false;
  PostMessageA(hwnd_, WM_COMMAND, ID_CMD_CONFIGURE_BROWSERS, 0);
}

void MainWindow::OnPreferences(int id) {
  // One dialog at a time.
  if (preferencesOpen_) return;
  preferencesOpen_ = true;
  WindowPreferencesHost host(*this);
  const PreferencesExit exit = RunPreferencesDialog(hwnd_, PageOfCommand(id), host);
  preferencesOpen_ = false;
  if (exit == PreferencesExit::kImport) PostMessageA(hwnd_, WM_COMMAND, ID_CMD_IMPORT, 0);
  if (exit == PreferencesExit::kExport) PostMessageA(hwnd_, WM_COMMAND, ID_CMD_EXPORT, 0);
}

void MainWindow::FollowPreferences() {
  // The look and the font are the program's to rebuild; the rest shows
  // here at once.
  program_.PreferencesApplied();
  RebuildDynamicMenus();
  // Only a change of "Keep window at front" moves the windows in the Z
  // order (the dialog over this window among them).
  const bool topmost = (GetWindowLongA(hwnd_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  if (topmost != settings_.HasWindowFlag(Family(), kWindowKeepAtFront)) ApplyKeepAtFront();
  RefillColumns(-1, true);
  InvalidateRect(hwnd_, nullptr, TRUE);
  UpdateStatusLine();
  UpdateCommandState();
}

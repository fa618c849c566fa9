// Every command of the main window through the real program, in each
// mode: the program must stay alive and answer, whatever the command does
// (dialogs it opens are cancelled). And "Set &default" changing the
// default browser that the status line names.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "e2e_windows.h"
#include "posted_marker.h"
#include "resources/resource.h"
#include "vellox_process.h"

namespace {

using e2e::kSettingsKey;
using e2e::SampleListSource;

constexpr DWORD kTimeout = 20000;

// One list (the sample's copy) and two browsers, "Alpha" the default.
void WriteSettings(const std::string& listPath) {
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return;
  e2e::WriteSettingsTable(key, "Lists", {{{"", "E2E Commands"}, {"Path", listPath}}}, 0);
  e2e::WriteSettingsTable(
      key, "Browsers",
      {{{"", "Alpha"}, {"Path", "C:\\nowhere\\alpha.exe"}, {"DDE", "alpha"}, {"Method", "DDE"}},
       {{"", "Beta"}, {"Path", "C:\\nowhere\\beta.exe"}, {"DDE", "beta"}, {"Method", "DDE"}}},
      0);
  RegCloseKey(key);
}

std::string ControlText(HWND dialog, int id) {
  char text[512] = {};
  SendMessageA(GetDlgItem(dialog, id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

// Visible dialogs other than the main window and its modeless List View,
// search and notes windows: what a command opened and waits on.
std::vector<HWND> ModalDialogs(DWORD pid) {
  std::vector<HWND> found;
  for (HWND w : e2e::TopLevelWindows(pid, "#32770")) {
    if (!IsWindowVisible(w)) continue;
    if (GetDlgItem(w, IDC_SEARCH_TEXT) || GetDlgItem(w, IDC_VIEW_TABLE) ||
        GetDlgItem(w, IDC_SEARCH_FOR) || GetDlgItem(w, IDC_NOTES_TABS))
      continue;
    found.push_back(w);
  }
  return found;
}

class CommandSweep : public ::testing::Test {
 protected:
  void SetUp() override {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    folder_ = folder;
    path_ = folder_ + "E2E Commands.bkl";
    ASSERT_TRUE(CopyFileA(SampleListSource().c_str(), path_.c_str(), FALSE)) << SampleListSource();
    e2e::DeleteUserSettingsKey();
    WriteSettings(path_);
    ASSERT_TRUE(program_.Start(e2e::VelloxExePath(), ""));
    ASSERT_TRUE(
        e2e::WaitUntil([&] { return e2e::VisibleMainWindow(program_.Id()) != nullptr; }, kTimeout));
  }
  void TearDown() override {
    program_.Stop();
    e2e::DeleteUserSettingsKey();
    e2e::EnsureUserSettingsKey();
    for (const char* name :
         {"E2E Commands.bkl", "Autobackup of E2E Commands.bkl", "E2E Commands.tmp"})
      DeleteFileA((folder_ + name).c_str());
  }

  // The program's top-level windows, for a failure's message.
  std::string Describe() {
    std::string text;
    for (HWND w : e2e::TopLevelWindows(program_.Id(), "")) {
      char title[256] = {}, cls[256] = {};
      GetWindowTextA(w, title, sizeof title);
      GetClassNameA(w, cls, sizeof cls);
      text += std::string("\n  [") + cls + "] \"" + title + "\"" +
              (IsWindowVisible(w) ? " visible" : "") + (IsWindowEnabled(w) ? "" : " disabled");
    }
    return text;
  }

  bool Alive() const { return WaitForSingleObject(program_.Handle(), 0) == WAIT_TIMEOUT; }

  // The program answers and waits on nothing: every dialog a command
  // opened is cancelled (No for a question without Cancel, then closed),
  // and once every posted message has been handled no dialog is left and
  // the main window takes input.
  bool Settle() {
    int attempts = 0;
    return e2e::WaitUntil(
        [&] {
          if (!Alive()) return true;
          std::vector<HWND> dialogs = ModalDialogs(program_.Id());
          WPARAM answer = attempts % 3 == 0 ? IDCANCEL : attempts % 3 == 1 ? IDNO : IDOK;
          for (HWND dialog : dialogs) PostMessageA(dialog, WM_COMMAND, answer, 0);
          if (!dialogs.empty()) ++attempts;
          // The answers, the command and whatever they posted are handled.
          if (!e2e::WaitForPostedMessages(program_.Id())) return !Alive();
          HWND main = e2e::VisibleMainWindow(program_.Id());
          return dialogs.empty() && ModalDialogs(program_.Id()).empty() && main &&
                 IsWindowEnabled(main);
        },
        kTimeout);
  }

  // Posts id to the main window and waits until the program has settled.
  void Run(int id, const char* mode) {
    HWND main = e2e::VisibleMainWindow(program_.Id());
    ASSERT_NE(main, nullptr) << mode << ": no main window before " << id;
    PostMessageA(main, WM_COMMAND, static_cast<WPARAM>(id), 0);
    ASSERT_TRUE(Settle()) << mode << ": the program did not settle after " << id << Describe();
    ASSERT_TRUE(Alive()) << mode << ": the program ended on command " << id;
  }

  void EnterMode(int modeCommand, int control, const char* mode) {
    HWND old = e2e::VisibleMainWindow(program_.Id());
    ASSERT_NE(old, nullptr);
    PostMessageA(old, WM_COMMAND, modeCommand, 0);
    ASSERT_TRUE(Settle());
    ASSERT_TRUE(e2e::WaitUntil(
        [&] {
          HWND main = e2e::VisibleMainWindow(program_.Id());
          return main && GetDlgItem(main, control) &&
                 (control != IDC_CATEGORY_TITLE || IsWindowVisible(GetDlgItem(main, control)));
        },
        kTimeout))
        << mode;
  }

  std::string folder_;
  std::string path_;
  e2e::VelloxProcess program_;
};

// Every command of the table, the run-time ranges with an index past the
// end, and the keys of other modes. Commands that end the program (Exit)
// or leave the mode (edit a title, the New buttons, the Organize edit
// boxes, the mode switches) are sent last or not at all.
std::vector<int> SweptCommands() {
  std::vector<int> ids;
  auto add = [&](int id) {
    if (std::find(ids.begin(), ids.end(), id) == ids.end()) ids.push_back(id);
  };
  auto range = [&](int first, int last) {
    for (int id = first; id <= last; ++id) add(id);
  };
  range(ID_CMD_LIST_BASE, ID_CMD_LIST_BASE + 10);
  range(ID_CMD_BLANK_TAB_BASE, ID_CMD_BLANK_TAB_BASE + 2);
  range(ID_CMD_OPEN_WITH_BASE, ID_CMD_OPEN_WITH_BASE + 2);
  range(ID_CMD_OPEN_ADDRESS_BASE, ID_CMD_OPEN_ADDRESS_BASE + 2);
  range(ID_CMD_FETCH_FROM_BASE, ID_CMD_FETCH_FROM_BASE + 2);
  range(ID_CMD_DEFAULT_BROWSER_BASE, ID_CMD_DEFAULT_BROWSER_BASE + 2);
  for (int id : {ID_CMD_FILE_OPEN,
                 ID_CMD_IMPORT,
                 ID_CMD_REVERT,
                 ID_CMD_FILE_SAVE,
                 ID_CMD_SAVE_COPY,
                 ID_CMD_EXPORT,
                 ID_CMD_PURGE_DELETED,
                 ID_CMD_ENCRYPTION_OPTIONS,
                 ID_CMD_CONFIGURE_LISTS,
                 ID_CMD_SEARCH,
                 ID_CMD_FIND_NEXT,
                 ID_CMD_FIND_PREVIOUS,
                 ID_CMD_ADVANCED_SEARCH,
                 ID_CMD_FETCH,
                 ID_CMD_FILL_LOGIN_FORM,
                 ID_CMD_MARK_FOUND,
                 ID_CMD_OPEN_ALL_IN_SUBCATEGORY,
                 ID_CMD_OPEN_WITH,
                 ID_CMD_TOGGLE_LIST_VIEW,
                 ID_CMD_PURGE_DELETED,
                 ID_CMD_UNDELETE_ITEMS,
                 ID_CMD_MANAGE_DUPLICATES,
                 ID_CMD_OPEN_MARKED,
                 ID_CMD_SHOW_ALIASES,
                 ID_CMD_OPEN_SELECTED,
                 ID_CMD_PICK_CATEGORY,
                 ID_CMD_PICK_SUBCATEGORY,
                 ID_CMD_TOGGLE_NOTES})
    add(id);
  range(ID_CMD_EDIT_NOTE, ID_CMD_SORT_BOOKMARKS);
  range(ID_CMD_AUTO_MINIMIZE, ID_CMD_AUTO_MINIMIZE);
  range(ID_CMD_COPY_URL, ID_CMD_DELETE_MARKED);
  range(ID_CMD_DUPLICATE_MARKED_CATEGORY, ID_CMD_DUPLICATE_MARKED_BOOKMARK);
  range(ID_CMD_ENCRYPTION_OPTIONS, ID_CMD_ABOUT);
  range(ID_CMD_SETUP, ID_CMD_SETUP);
  range(ID_CMD_TOGGLE_BOLD, ID_CMD_MARK_FOUND);
  range(ID_CMD_MOVE_MARKED_HERE, ID_CMD_ESCAPE);
  range(ID_CMD_OPEN_BLANK_TAB, ID_CMD_PREVIOUS_LIST);
  range(ID_CMD_SCHEDULE_VISIT, ID_CMD_CLEAR_MARKS);
  range(ID_CMD_MOVE_FROM_LIST_CATEGORY, ID_CMD_MOVE_FROM_LIST_BOOKMARK);
  range(ID_CMD_DOCK_OFF, ID_CMD_DOCK_BELOW);
  range(ID_CMD_RESET_SITE_STATUS, ID_CMD_CHECK_BOOKMARK);
  range(ID_CMD_WEB_SITE, ID_CMD_HELP_QUICKLOGIN);
  for (int id : {ID_CMD_MARK_ALL, ID_CMD_AUTO_OPEN, ID_CMD_INSERT_DATE, ID_CMD_SET_DEFAULT_BROWSER,
                 ID_CMD_AUTO_HIDE_NOTES, ID_CMD_SORT_ALL_BOOKMARKS, ID_CMD_DELAYED_SEARCH,
                 ID_CMD_EDIT_PASTE, ID_CMD_HELP_CONTENTS})
    add(id);
  range(ID_CMD_COPY_LOGIN, ID_CMD_COPY_LOGIN_PASSWORD);
  range(ID_CMD_FOCUS_NOTE_TEXT, ID_CMD_FOCUS_KEYWORDS);
  range(ID_CMD_FOCUS_CATEGORIES, ID_CMD_FOCUS_BOOKMARKS);
  add(ID_CMD_UNINSTALL);
  // These may leave the mode: last.
  for (int id : {ID_CMD_EDIT_TITLE, ID_CMD_EDIT_CATEGORY_BOX, ID_CMD_EDIT_SUBCATEGORY_BOX,
                 ID_CMD_EDIT_BOOKMARK_BOX, ID_CMD_NEW_CATEGORY, ID_CMD_NEW_SUBCATEGORY,
                 ID_CMD_NEW_BOOKMARK}) {
    ids.erase(std::remove(ids.begin(), ids.end(), id), ids.end());
    ids.push_back(id);
  }
  return ids;
}

bool LeavesMode(int id) {
  return id == ID_CMD_MODE_COMPACT || id == ID_CMD_MODE_REGULAR || id == ID_CMD_MODE_ORGANIZE ||
         id == ID_CMD_APP_EXIT || id == ID_CMD_MINIMIZE;
}

struct SweptMode {
  int command;
  int control;  // shows that the mode is in place
  const char* name;
};

// One mode per case, each in a program of its own (the cases spread over
// the end-to-end shards).
class CommandSweepInMode : public CommandSweep, public ::testing::WithParamInterface<SweptMode> {};

TEST_P(CommandSweepInMode, EveryCommandLeavesTheProgramAliveAndAnswering) {
  const SweptMode& mode = GetParam();
  EnterMode(mode.command, mode.control, mode.name);
  if (HasFatalFailure()) return;
  // A line selected in each column gives the commands something to act on.
  if (HWND main = e2e::VisibleMainWindow(program_.Id())) {
    for (int level = 0; level < 3; ++level) {
      HWND box = GetDlgItem(main, IDC_CATEGORY_LIST + level);
      if (!box || SendMessageA(box, LB_GETCOUNT, 0, 0) < 2) continue;
      SendMessageA(box, LB_SETCURSEL, 1, 0);
      SendMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_CATEGORY_LIST + level, LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(box));
    }
  }
  for (int id : SweptCommands()) {
    if (LeavesMode(id)) continue;
    // Setup and uninstall belong to the command window, whatever the
    // mode, and rebuild the main window: once is enough.
    if ((id == ID_CMD_SETUP || id == ID_CMD_UNINSTALL) && mode.command != ID_CMD_MODE_REGULAR)
      continue;
    Run(id, mode.name);
    if (HasFatalFailure()) return;
  }
  // Minimizing and restoring the program. Minimized, the program hides
  // its main window: it settles once restored.
  HWND main = e2e::VisibleMainWindow(program_.Id());
  ASSERT_NE(main, nullptr) << mode.name << ": no main window before " << ID_CMD_MINIMIZE;
  PostMessageA(main, WM_COMMAND, ID_CMD_MINIMIZE, 0);
  ASSERT_TRUE(e2e::WaitForPostedMessages(program_.Id()));
  ASSERT_TRUE(Alive()) << mode.name << ": the program ended on command " << ID_CMD_MINIMIZE;
  PostMessageA(main, WM_SYSCOMMAND, SC_RESTORE, 0);
  ASSERT_TRUE(Settle());
  EXPECT_TRUE(Alive());
}

INSTANTIATE_TEST_SUITE_P(
    Modes, CommandSweepInMode,
    ::testing::Values(SweptMode{ID_CMD_MODE_REGULAR, IDC_CATEGORY_LIST, "Regular"},
                      SweptMode{ID_CMD_MODE_ORGANIZE, IDC_CATEGORY_TITLE, "Organize"},
                      SweptMode{ID_CMD_MODE_COMPACT, IDC_CATEGORY_PICKER, "Compact"}),
    [](const ::testing::TestParamInfo<SweptMode>& info) { return std::string(info.param.name); });

TEST_F(CommandSweep, SetDefaultChangesTheBrowserThatTheStatusLineNames) {
  HWND main = e2e::VisibleMainWindow(program_.Id());
  ASSERT_NE(main, nullptr);
  ASSERT_NE(GetDlgItem(main, IDC_STATUS_LINE), nullptr);
  auto status = [&] { return ControlText(main, IDC_STATUS_LINE); };
  auto endsWith = [](const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
  };
  EXPECT_TRUE(endsWith(status(), "Default browser: Alpha")) << status();
  SendMessageA(main, WM_COMMAND, ID_CMD_DEFAULT_BROWSER_BASE + 1, 0);
  EXPECT_TRUE(endsWith(status(), "Default browser: Beta")) << status();
  // A browser past the end of the table is ignored.
  SendMessageA(main, WM_COMMAND, ID_CMD_DEFAULT_BROWSER_BASE + 2, 0);
  EXPECT_TRUE(endsWith(status(), "Default browser: Beta")) << status();
  SendMessageA(main, WM_COMMAND, ID_CMD_DEFAULT_BROWSER_BASE, 0);
  EXPECT_TRUE(endsWith(status(), "Default browser: Alpha")) << status();
}

}  // namespace

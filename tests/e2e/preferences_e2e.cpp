// The preferences dialog through the real program: a Behavior box applied
// changes what the program does and is kept over a restart, a page's
// changes are dropped when the user answers No on leaving it, and an entry
// without a name stops Done.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/command_window_names.h"
#include "e2e_windows.h"
#include "posted_marker.h"
#include "resources/resource.h"
#include "vellox_process.h"

namespace {

using e2e::kSettingsKey;

constexpr DWORD kTimeout = 20000;
constexpr char kPreferencesTitle[] = "Vellox Preferences";

// One web bookmark under Web > Pages.
std::string ListBytes() {
  std::vector<std::string> lines = e2e::ListHeadLines("VELLOXFL/A/0/40//");
  lines.insert(lines.end(), {
                                "10\t1\t0\t1704067200\t\tWeb",
                                "11\t2\t0\t1704067200\t\tPages",
                                "12\t3\t16\t1704067200\t\tPage\thttp://peer.example/page",
                            });
  return e2e::ListFileBytes(lines);
}

// The behaviour word with auto-minimize off, everything else as the
// defaults have it.
void WriteBehaviourWithoutAutoMinimize() {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  const DWORD flags = 0x01904C12 & ~0x800u;
  RegSetValueExA(key, "Preferences", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&flags),
                 sizeof flags);
  RegCloseKey(key);
}

// The page of the preferences dialog that has control id, once it shows.
HWND WaitForPage(HWND preferences, int id) {
  HWND page = nullptr;
  e2e::WaitUntil(
      [&] {
        for (HWND child = FindWindowExA(preferences, nullptr, "#32770", nullptr); child;
             child = FindWindowExA(preferences, child, "#32770", nullptr))
          if (GetDlgItem(child, id) && IsWindowVisible(child)) page = child;
        return page != nullptr;
      },
      kTimeout);
  return page;
}

// The behaviour word as the program last wrote it.
DWORD StoredBehaviour() {
  DWORD flags = 0, size = sizeof flags;
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
  RegQueryValueExA(key, "Preferences", nullptr, nullptr, reinterpret_cast<BYTE*>(&flags), &size);
  RegCloseKey(key);
  return flags;
}

bool Checked(HWND page, int id) {
  return SendMessageA(GetDlgItem(page, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool ApplyEnabled(HWND preferences) {
  return IsWindowEnabled(GetDlgItem(preferences, IDC_APPLY)) != FALSE;
}

class PreferencesTest : public e2e::FreshSettingsTest {
 protected:
  void Start() {
    ASSERT_TRUE(list_.Written());
    ASSERT_TRUE(program_.Start(e2e::VelloxExePath(), "\"" + list_.Path() + "\""));
    main_ = e2e::WaitForMainTitled(program_.Id(), "E2E Preferences - Vellox");
    ASSERT_NE(main_, nullptr);
  }
  void TearDown() override {
    program_.Stop();
    DeleteFileA((e2e::ProgramFolder() + "program_peer.exe.log").c_str());
    FreshSettingsTest::TearDown();
  }

  // Posted: the dialog must not block the test.
  HWND OpenPreferences(int command) {
    PostMessageA(main_, WM_COMMAND, static_cast<WPARAM>(command), 0);
    return e2e::WaitForWindow(program_.Id(), kPreferencesTitle);
  }
  // A click on a control of a page or of the dialog.
  void Click(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

  void Choose(int boxId, const std::string& line) { e2e::ChooseLineReading(main_, boxId, line); }
  // Opens the bookmark with the program peer as the browser; true when the
  // whole program went to the task bar afterwards.
  bool OpeningMinimizes() {
    const std::string log = e2e::ProgramFolder() + "program_peer.exe.log";
    DeleteFileA(log.c_str());
    Choose(IDC_CATEGORY_LIST, "Web");
    Choose(IDC_SUBCATEGORY_LIST, "Pages");
    Choose(IDC_BOOKMARK_LIST, "Page");
    PostMessageA(main_, WM_COMMAND, ID_CMD_OPEN_SELECTED, 0);
    EXPECT_TRUE(e2e::WaitUntil(
        [&] { return GetFileAttributesA(log.c_str()) != INVALID_FILE_ATTRIBUTES; }, kTimeout));
    EXPECT_TRUE(e2e::WaitForPostedMessages(program_.Id()));
    for (HWND w : e2e::TopLevelWindows(program_.Id(), kCommandWindowClass))
      if (IsIconic(w)) return true;
    return false;
  }

  e2e::TempList list_{"E2E Preferences", ListBytes()};
  e2e::VelloxProcess program_;
  HWND main_ = nullptr;
};

TEST_F(PreferencesTest, AppliedBehaviourChangesWhatTheProgramDoesAndOutlivesARestart) {
  e2e::UseProgramPeerAsBrowser();
  WriteBehaviourWithoutAutoMinimize();
  Start();
  if (HasFatalFailure()) return;
  EXPECT_FALSE(OpeningMinimizes());

  // Ctrl+Alt+P's command opens the Behavior page; the box enables Apply.
  HWND preferences = OpenPreferences(ID_CMD_PREFERENCES);
  ASSERT_NE(preferences, nullptr);
  HWND page = WaitForPage(preferences, IDC_AUTO_MINIMIZE);
  ASSERT_NE(page, nullptr);
  EXPECT_FALSE(Checked(page, IDC_AUTO_MINIMIZE));
  EXPECT_FALSE(ApplyEnabled(preferences));
  Click(page, IDC_AUTO_MINIMIZE);
  ASSERT_TRUE(e2e::WaitUntil([&] { return ApplyEnabled(preferences); }, kTimeout));
  Click(preferences, IDC_APPLY);
  ASSERT_TRUE(e2e::WaitUntil([&] { return !ApplyEnabled(preferences); }, kTimeout));
  ASSERT_TRUE(e2e::Answer(program_.Id(), kPreferencesTitle, IDCANCEL));

  EXPECT_TRUE(OpeningMinimizes());
  PostMessageA(main_, WM_SYSCOMMAND, SC_RESTORE, 0);
  ASSERT_TRUE(e2e::WaitForPostedMessages(program_.Id()));

  // A new run keeps it.
  PostMessageA(main_, WM_COMMAND, ID_CMD_APP_EXIT, 0);
  ASSERT_TRUE(program_.WaitForExit(kTimeout));
  program_.Stop();
  Start();
  if (HasFatalFailure()) return;
  EXPECT_TRUE(OpeningMinimizes());
}

TEST_F(PreferencesTest, LeavingAChangedPageAndAnsweringNoDiscardsItsChanges) {
  Start();
  if (HasFatalFailure()) return;
  HWND preferences = OpenPreferences(ID_CMD_PREFERENCES);
  ASSERT_NE(preferences, nullptr);
  HWND page = WaitForPage(preferences, IDC_NEW_TAB_DEFAULT);
  ASSERT_NE(page, nullptr);
  const bool before = Checked(page, IDC_NEW_TAB_DEFAULT);
  Click(page, IDC_NEW_TAB_DEFAULT);
  ASSERT_TRUE(e2e::WaitUntil([&] { return ApplyEnabled(preferences); }, kTimeout));

  // The next tab (Hot Keys), as the arrow key chooses it: message 10055.
  HWND tabs = GetDlgItem(preferences, IDC_PREF_TABS);
  PostMessageA(tabs, WM_KEYDOWN, VK_RIGHT, 0);
  ASSERT_TRUE(e2e::Answer(program_.Id(), "Save Preferences?", IDNO));
  ASSERT_NE(WaitForPage(preferences, IDC_HOTKEY_ACTIVATE), nullptr);
  EXPECT_FALSE(ApplyEnabled(preferences));

  // Back on Behavior, the box is as it was; so is the program's setting.
  PostMessageA(tabs, WM_KEYDOWN, VK_LEFT, 0);
  page = WaitForPage(preferences, IDC_NEW_TAB_DEFAULT);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(Checked(page, IDC_NEW_TAB_DEFAULT), before);
  // Done writes the settings: the stored bit is as it was.
  ASSERT_TRUE(e2e::Answer(program_.Id(), kPreferencesTitle, IDOK));
  EXPECT_EQ((StoredBehaviour() & 0x4000u) != 0, before);
}

TEST_F(PreferencesTest, AnEntryWithoutANameStopsDone) {
  Start();
  if (HasFatalFailure()) return;
  HWND preferences = OpenPreferences(ID_CMD_CONFIGURE_LISTS);
  ASSERT_NE(preferences, nullptr);
  HWND page = WaitForPage(preferences, IDC_MERGE);
  ASSERT_NE(page, nullptr);
  ASSERT_EQ(e2e::ListBoxLines(page, IDC_ENTRY_LIST), std::vector<std::string>{"E2E Preferences"});
  SendMessageA(GetDlgItem(page, IDC_ENTRY_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
  ASSERT_TRUE(e2e::WaitUntil([&] { return ApplyEnabled(preferences); }, kTimeout));

  PostMessageA(preferences, WM_COMMAND, IDOK, 0);
  HWND message = e2e::WaitForDialogWithButton(program_.Id(), "Configuration Incomplete", IDOK);
  ASSERT_NE(message, nullptr);
  std::string text;
  for (HWND child = GetWindow(message, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (e2e::WindowClass(child) == "Static") text += e2e::WindowTitle(child);
  EXPECT_EQ(text, "Please enter a name for '" + list_.Path() + "'.");
  ASSERT_TRUE(e2e::Answer(program_.Id(), "Configuration Incomplete", IDOK));

  // The dialog stays, and the list keeps its name.
  EXPECT_TRUE(IsWindowVisible(preferences));
  ASSERT_TRUE(e2e::Answer(program_.Id(), kPreferencesTitle, IDCANCEL));
  EXPECT_EQ(e2e::WindowTitle(main_), "E2E Preferences - Vellox");
}

}  // namespace

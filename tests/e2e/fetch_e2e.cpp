// Fetch through the real program: Ctrl+E's command asks the default
// browser (the DDE test browser) for its frontmost page, and the window
// starts a new bookmark with that title and address in Organize mode.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "e2e_windows.h"
#include "resources/resource.h"
#include "support/dde_browser_peer_win.h"
#include "vellox_process.h"

namespace {

using e2e::kSettingsKey;

constexpr DWORD kTimeout = 20000;
constexpr char kService[] = "VelloxFetchPeer";

// One list and one browser, the peer, which is the default.
void WriteSettings(const std::string& listPath) {
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return;
  e2e::WriteSettingsTable(key, "Lists", {{{"", "E2E Fetch"}, {"Path", listPath}}}, 0);
  e2e::WriteSettingsTable(
      key, "Browsers",
      {{{"", "Peer"}, {"Path", "C:\\nowhere\\peer.exe"}, {"DDE", kService}, {"Method", "DDE"}}}, 0);
  RegCloseKey(key);
}

std::string ControlText(HWND dialog, int id) {
  char text[512] = {};
  SendMessageA(GetDlgItem(dialog, id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

// A key pressed and let go, as the keyboard sends it to the foreground.
bool Press(WORD key) {
  INPUT keys[2] = {};
  for (INPUT& input : keys) {
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
  }
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  return SendInput(2, keys, sizeof(INPUT)) == 2;
}

// How many menus (popup windows) the program shows.
size_t OpenMenus(DWORD pid) {
  size_t n = 0;
  for (HWND w : e2e::TopLevelWindows(pid, "#32768")) n += IsWindowVisible(w) != FALSE;
  return n;
}

TEST(Fetch, TheBrowsersFrontmostPageStartsANewBookmark) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  const std::string list = std::string(folder) + "E2E Fetch.bkl";
  const std::string source =
      std::string(VELLOX_TEST_DATA) + "\\..\\..\\src\\resources\\Default.bkl";
  ASSERT_TRUE(CopyFileA(source.c_str(), list.c_str(), FALSE));
  wintest::DdeBrowserPeer peer;
  ASSERT_TRUE(peer.Start("VelloxE2EFetchPeer", std::string(folder) + "fetch_peer.log",
                         std::string("--service ") + kService +
                             " --page 5 \"\\\"http://fetched.example/page\\\","
                             "\\\"Fetched \\\\\\\"quoted\\\\\\\" & title\\\"\""));
  e2e::DeleteUserSettingsKey();
  WriteSettings(list);
  e2e::VelloxProcess program;
  ASSERT_TRUE(program.Start(e2e::VelloxExePath(), ""));
  HWND main = nullptr;
  ASSERT_TRUE(e2e::WaitUntil(
      [&] { return (main = e2e::VisibleMainWindow(program.Id())) != nullptr; }, kTimeout));

  PostMessageA(main, WM_COMMAND, ID_CMD_FETCH, 0);
  HWND organize = nullptr;
  EXPECT_TRUE(e2e::WaitUntil(
      [&] {
        organize = e2e::VisibleMainWindow(program.Id());
        return organize && ControlText(organize, IDC_ADDRESS) == "http://fetched.example/page";
      },
      kTimeout));
  if (organize) {
    EXPECT_EQ(ControlText(organize, IDC_BOOKMARK_TITLE), "Fetched quoted & title");
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(organize, IDC_BOOKMARK_TITLE))) << "Organize mode";
  }
  EXPECT_EQ(peer.Items(), (std::vector<std::string>{"-1"}));

  program.Stop();
  e2e::DeleteUserSettingsKey();
  e2e::EnsureUserSettingsKey();
  for (const char* name : {"E2E Fetch.bkl", "Autobackup of E2E Fetch.bkl", "E2E Fetch.tmp"})
    DeleteFileA((std::string(folder) + name).c_str());
}

// The Edit menu's Fetch submenu lists the pages of the one browser (its
// windows, asked by DDE) and fetches the one chosen. Another process cannot
// read a menu's entries under Wine, so the menu is used from the keyboard:
// a title's "&" is shown, not taken as a mnemonic ("Z" chooses nothing),
// and End + Enter choose the last page.
TEST(Fetch, TheEditMenuListsTheOpenPagesAndFetchesTheChosenOne) {
  e2e::TempList list("E2E Fetch Menu");
  wintest::DdeBrowserPeer peer;
  ASSERT_TRUE(peer.Start("VelloxE2EFetchMenuPeer", e2e::TempFolder() + "fetch_menu_peer.log",
                         std::string("--service ") + kService +
                             " --page 3 \"\\\"http://zebra.example/\\\",\\\"&Zebra & Co\\\"\""
                             " --page 7 \"\\\"http://fish.example/\\\",\\\"Fish & Chips\\\"\""));
  e2e::DeleteUserSettingsKey();
  WriteSettings(list.Path());
  e2e::VelloxProcess program;
  ASSERT_TRUE(program.Start(e2e::VelloxExePath(), ""));
  HWND main = nullptr;
  ASSERT_TRUE(e2e::WaitUntil(
      [&] { return (main = e2e::VisibleMainWindow(program.Id())) != nullptr; }, kTimeout));

  SetForegroundWindow(main);
  ASSERT_TRUE(e2e::WaitUntil([&] { return GetForegroundWindow() == main; }, kTimeout));
  ASSERT_TRUE(Press(VK_F10));
  ASSERT_TRUE(Press('E'));
  ASSERT_TRUE(e2e::WaitUntil([&] { return OpenMenus(program.Id()) == 1; }, kTimeout)) << "Edit";
  ASSERT_TRUE(Press('F'));
  // The submenu shows once its pages are read from the browser.
  ASSERT_TRUE(e2e::WaitUntil([&] { return OpenMenus(program.Id()) == 2; }, kTimeout)) << "Fetch";
  EXPECT_EQ(peer.Items(), (std::vector<std::string>{"WWW_ListWindows", "3", "7"}));
  ASSERT_TRUE(Press('Z'));
  ASSERT_TRUE(Press(VK_END));
  ASSERT_TRUE(Press(VK_RETURN));

  HWND organize = nullptr;
  EXPECT_TRUE(e2e::WaitUntil(
      [&] {
        organize = e2e::VisibleMainWindow(program.Id());
        return organize && ControlText(organize, IDC_ADDRESS) == "http://fish.example/";
      },
      kTimeout));
  if (organize) EXPECT_EQ(ControlText(organize, IDC_BOOKMARK_TITLE), "Fish & Chips");
  EXPECT_EQ(peer.Items(), (std::vector<std::string>{"WWW_ListWindows", "3", "7", "7"}));

  program.Stop();
  e2e::DeleteUserSettingsKey();
  e2e::EnsureUserSettingsKey();
}

}  // namespace

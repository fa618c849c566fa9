// The program as a whole, driven through the real VelloxFl.exe: global hot
// keys, minimizing to the tray or the task bar, a second copy handing a
// list to a copy in the tray, and the tips at start-up.
//
// Wine's tray has no icon a test can click: the icon's own message (what
// Windows sends the command window for a click on the icon) is posted to
// the command window instead. Hot keys are pressed with SendInput, which
// Wine checks against the registered hot keys like any other key press.
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

constexpr DWORD kDefaultBehaviour = 0x01904C12;
constexpr DWORD kUseTray = 0x100;
constexpr DWORD kShowTips = 0x800000;

void WriteDword(const char* subkey, const char* name, DWORD value, DWORD type) {
  std::string path = kSettingsKey;
  if (*subkey) path += std::string("\\") + subkey;
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(&value), sizeof value);
  RegCloseKey(key);
}

void WriteBehaviour(DWORD flags) { WriteDword("", "Preferences", flags, REG_BINARY); }

DWORD StoredBehaviour() {
  HKEY key;
  DWORD value = 0, size = sizeof value;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
  RegQueryValueExA(key, "Preferences", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
  RegCloseKey(key);
  return value;
}

// Presses and releases a key combination, as the keyboard would.
void PressKeys(const std::vector<WORD>& keys) {
  std::vector<INPUT> inputs;
  for (WORD key : keys) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    inputs.push_back(input);
  }
  for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = *key;
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(input);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

class ProgramWindows : public e2e::FreshSettingsTest {
 protected:
  void Start(const std::string& arguments) {
    ASSERT_TRUE(program_.Start(e2e::VelloxExePath(), arguments));
    ASSERT_TRUE(e2e::WaitUntil(
        [&] {
          main_ = e2e::MainWindowOf(program_.Id());
          return main_ && IsWindowVisible(main_);
        },
        e2e::kWindowTimeout));
    std::vector<HWND> command = e2e::TopLevelWindows(program_.Id(), kCommandWindowClass);
    ASSERT_EQ(command.size(), 1u);
    command_ = command[0];
  }
  void TearDown() override {
    program_.Stop();
    FreshSettingsTest::TearDown();
  }
  // The program is out of sight: its command window minimized, the main
  // window hidden, and the command window on the task bar or not.
  bool Minimized(bool onTaskbar) const {
    return IsIconic(command_) && !IsWindowVisible(main_) &&
           (IsWindowVisible(command_) != FALSE) == onTaskbar;
  }
  bool Restored() const { return !IsIconic(command_) && IsWindowVisible(main_); }
  void ClickTrayIcon() const {
    PostMessageA(command_, kTrayNotifyMessage, kTrayIconId, WM_LBUTTONDOWN);
  }

  e2e::TempList list_{"E2E Tray"};
  e2e::VelloxProcess program_;
  HWND main_ = nullptr;
  HWND command_ = nullptr;
};

TEST_F(ProgramWindows, MinimizingGoesToTheTrayOnlyWhenTheUserChoseIt) {
  for (bool tray : {true, false}) {
    SCOPED_TRACE(tray ? "tray" : "task bar");
    WriteBehaviour(kDefaultBehaviour | (tray ? kUseTray : 0));
    Start("\"" + list_.Path() + "\"");
    if (HasFatalFailure()) return;
    EXPECT_EQ(IsWindowVisible(command_) != FALSE, !tray);
    // The List View is open: it goes and comes back with the program.
    HWND listView = nullptr;
    if (tray) {
      PostMessageA(main_, WM_COMMAND, ID_CMD_TOGGLE_LIST_VIEW, 0);
      listView = e2e::WaitForWindow(program_.Id(), "List View");
      ASSERT_NE(listView, nullptr);
    }

    PostMessageA(main_, WM_COMMAND, ID_CMD_MINIMIZE, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return Minimized(!tray); }, e2e::kWindowTimeout));
    if (listView) EXPECT_FALSE(IsWindowVisible(listView));

    // A click on the tray icon, or on the task bar button.
    if (tray)
      ClickTrayIcon();
    else
      PostMessageA(command_, WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(e2e::WaitUntil([&] { return Restored(); }, e2e::kWindowTimeout));
    ASSERT_TRUE(e2e::WaitForPostedMessages(program_.Id()));
    if (listView) EXPECT_TRUE(IsWindowVisible(listView));
    EXPECT_EQ(IsWindowVisible(command_) != FALSE, !tray);
    program_.Stop();
  }
}

TEST_F(ProgramWindows,
       TheTrayIconHidesTheProgramInFrontASecondCopyBringsItBackAndTheMenuOpensEntries) {
  WriteBehaviour(kDefaultBehaviour | kUseTray);
  e2e::UseProgramPeerAsBrowser();
  Start("");
  if (HasFatalFailure()) return;
  // The program is in front: a click on the icon hides it.
  ClickTrayIcon();
  ASSERT_TRUE(e2e::WaitUntil([&] { return Minimized(false); }, e2e::kWindowTimeout));
  // Out of sight, and done with it: the second copy gives the first little
  // time to answer.
  ASSERT_TRUE(e2e::WaitForPostedMessages(program_.Id()));

  e2e::TempList list("E2E Tray Handover");
  ASSERT_TRUE(list.Written());
  e2e::VelloxProcess second;
  ASSERT_TRUE(second.Start(e2e::VelloxExePath(), "\"" + list.Path() + "\""));
  ASSERT_TRUE(second.WaitForExit(e2e::kWindowTimeout));
  EXPECT_TRUE(e2e::WaitUntil(
      [&] { return Restored() && e2e::WindowTitle(main_) == "E2E Tray Handover - Vellox"; },
      e2e::kWindowTimeout))
      << e2e::WindowTitle(main_);
  EXPECT_FALSE(IsWindowVisible(command_));

  // The icon's menu, by its keys: the first entry of "&Favorites" (sorted
  // by title) is selected and opened, "&Open new bookmark" asks for one.
  auto openMenu = [&] {
    PostMessageA(command_, kTrayNotifyMessage, kTrayIconId, WM_RBUTTONUP);
    return e2e::WaitUntil([&] { return !e2e::TopLevelWindows(program_.Id(), "#32768").empty(); },
                          e2e::kWindowTimeout);
  };
  ASSERT_TRUE(openMenu());
  PressKeys({'F'});
  PressKeys({VK_RETURN});
  EXPECT_TRUE(
      e2e::WaitUntil([&] { return e2e::SelectedLine(main_, IDC_BOOKMARK_LIST) == "DuckDuckGo"; },
                     e2e::kWindowTimeout))
      << e2e::SelectedLine(main_, IDC_BOOKMARK_LIST);
  EXPECT_EQ(e2e::SelectedLine(main_, IDC_SUBCATEGORY_LIST), "Favorites");
  ASSERT_TRUE(openMenu());
  PressKeys({'O'});
  EXPECT_TRUE(e2e::Answer(program_.Id(), "Open New Bookmark", IDCANCEL));
}

TEST_F(ProgramWindows, HotKeysAreRegisteredAndDoTheirWork) {
  // Ctrl+Alt+F activates the program, Ctrl+Alt+N opens a new bookmark.
  // (The values are read up to the first missing one.)
  const DWORD hotKeys[] = {0x646, 0, 0x64E, 0};
  for (int n = 0; n < 4; ++n)
    WriteDword("Hot Keys", std::to_string(n).c_str(), hotKeys[n], REG_DWORD);
  WriteBehaviour(kDefaultBehaviour);
  Start("");
  if (HasFatalFailure()) return;
  // The program holds both keys: nobody else can have them now.
  for (UINT key : {'F', 'N'}) {
    const BOOL taken = RegisterHotKey(nullptr, 0x100, MOD_CONTROL | MOD_ALT, key);
    const DWORD error = GetLastError();
    if (taken) UnregisterHotKey(nullptr, 0x100);
    EXPECT_FALSE(taken) << static_cast<char>(key);
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_HOTKEY_ALREADY_REGISTERED)) << static_cast<char>(key);
  }

  // With the program in front, "Activate" hides it; pressed again, it
  // brings it back.
  SetForegroundWindow(main_);
  ASSERT_TRUE(e2e::WaitUntil([&] { return GetForegroundWindow() == main_; }, e2e::kWindowTimeout));
  PressKeys({VK_CONTROL, VK_MENU, 'F'});
  ASSERT_TRUE(e2e::WaitUntil([&] { return Minimized(true); }, e2e::kWindowTimeout));
  PressKeys({VK_CONTROL, VK_MENU, 'F'});
  ASSERT_TRUE(e2e::WaitUntil([&] { return Restored(); }, e2e::kWindowTimeout));

  PressKeys({VK_CONTROL, VK_MENU, 'N'});
  EXPECT_TRUE(e2e::Answer(program_.Id(), "Open New Bookmark", IDCANCEL));
}

TEST_F(ProgramWindows, TipsAppearAtStartWhenAskedForAndTheBoxKeepsTheChoice) {
  WriteBehaviour(kDefaultBehaviour | kShowTips);
  Start("");
  if (HasFatalFailure()) return;
  HWND tips = e2e::WaitForWindow(program_.Id(), "Vellox Tips");
  ASSERT_NE(tips, nullptr);
  EXPECT_EQ(SendMessageA(GetDlgItem(tips, IDC_SHOW_TIPS), BM_GETCHECK, 0, 0), BST_CHECKED);
  const std::string first = e2e::ControlText(tips, IDC_TIP_TEXT);
  EXPECT_FALSE(first.empty());
  PostMessageA(tips, WM_COMMAND, MAKEWPARAM(IDC_NEXT_TIP, BN_CLICKED), 0);
  ASSERT_TRUE(e2e::WaitForPostedMessages(program_.Id()));
  const std::string second = e2e::ControlText(tips, IDC_TIP_TEXT);
  EXPECT_FALSE(second.empty());
  EXPECT_NE(second, first);

  // Unticked, closed, and shown again from the Help menu.
  SendMessageA(GetDlgItem(tips, IDC_SHOW_TIPS), BM_CLICK, 0, 0);
  PostMessageA(tips, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindowVisible(tips); }, e2e::kWindowTimeout));
  PostMessageA(main_, WM_COMMAND, ID_CMD_TIPS, 0);
  ASSERT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(tips) != FALSE; }, e2e::kWindowTimeout));
  EXPECT_EQ(SendMessageA(GetDlgItem(tips, IDC_SHOW_TIPS), BM_GETCHECK, 0, 0), BST_UNCHECKED);

  // The choice is stored when the program ends.
  PostMessageA(main_, WM_COMMAND, ID_CMD_APP_EXIT, 0);
  ASSERT_TRUE(program_.WaitForExit(e2e::kWindowTimeout));
  EXPECT_EQ(StoredBehaviour() & kShowTips, 0u);
  EXPECT_NE(StoredBehaviour(), 0u);
}

}  // namespace

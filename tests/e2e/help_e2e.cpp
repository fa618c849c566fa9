// The help through the real program: F1 (no accelerator: the system makes
// WM_HELP of the key) opens the help file in the HTML Help viewer at the
// topic of what the user is in (the mode of the main window, the List
// View), the Help menu's entries and the List View's
// "&Help" button at their own topics (the viewer's caption names the
// topic), and "&Web site" opens the product's page in the default browser
// (the program peer).
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "e2e_windows.h"
#include "resources/resource.h"
#include "vellox_process.h"

namespace {

constexpr char kViewerClass[] = "HH Parent";

HWND ListViewOf(DWORD pid) {
  for (HWND w : e2e::TopLevelWindows(pid, "#32770"))
    if (GetDlgItem(w, IDC_VIEW_TABLE)) return w;
  return nullptr;
}

// Keys typed as the keyboard types them, into the window in front: the
// system makes WM_HELP of F1 only for real key strokes.
void Type(std::initializer_list<WORD> keys) {
  std::vector<INPUT> strokes;
  for (WORD key : keys)
    for (DWORD flags : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
      INPUT input = {};
      input.type = INPUT_KEYBOARD;
      input.ki.wVk = key;
      input.ki.dwFlags = flags;
      strokes.push_back(input);
    }
  ASSERT_EQ(SendInput(static_cast<UINT>(strokes.size()), strokes.data(), sizeof(INPUT)),
            strokes.size());
}

// The same, into a window brought to the front first.
void TypeInto(HWND window, std::initializer_list<WORD> keys) {
  SetForegroundWindow(window);
  ASSERT_TRUE(e2e::WaitUntil([&] { return GetForegroundWindow() == window; }, e2e::kWindowTimeout));
  Type(keys);
}

// The program's open drop-down menu, or null.
HWND OpenMenu(DWORD pid) {
  for (HWND w : e2e::TopLevelWindows(pid, "#32768"))
    if (IsWindowVisible(w)) return w;
  return nullptr;
}

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

using HelpTest = e2e::FreshSettingsTest;

TEST_F(HelpTest, F1TheHelpMenuAndTheHelpButtonsOpenTheirTopics) {
  e2e::TempList list("E2E Help");
  ASSERT_TRUE(list.Written());
  e2e::UseProgramPeerAsBrowser();
  const std::string peerLog = e2e::ProgramFolder() + "program_peer.exe.log";
  DeleteFileA(peerLog.c_str());
  e2e::VelloxProcess program;
  ASSERT_TRUE(program.Start(e2e::VelloxExePath(), "\"" + list.Path() + "\""));
  HWND main = e2e::WaitForMainTitled(program.Id(), "E2E Help - Vellox");
  ASSERT_NE(main, nullptr);
  HWND view = nullptr;

  // Each step leaves the viewer showing the topic of the caption.
  const struct {
    const char* what;
    std::function<void()> act;
    const char* caption;
  } steps[] = {
      {"F1 in the open Edit menu, on its first command",
       [&] {
         // First, while no viewer can take the focus from the open menu;
         // the menu is closed once the topic shows.
         TypeInto(main, {VK_MENU, 'E', VK_F1});
         ASSERT_NE(e2e::WaitForWindow(program.Id(), "Searching - Vellox Help", kViewerClass),
                   nullptr);
         for (int level = 0; level < 2; ++level)
           if (HWND menu = OpenMenu(program.Id())) PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
       },
       "Searching - Vellox Help"},
      {"F1 in Organize mode",
       [&] {
         SendMessageA(main, WM_COMMAND, ID_CMD_MODE_ORGANIZE, 0);
         TypeInto(main, {VK_F1});
       },
       "Organize mode - Vellox Help"},
      {"Help Contents in Regular mode",
       [&] {
         SendMessageA(main, WM_COMMAND, ID_CMD_MODE_REGULAR, 0);
         PostMessageA(main, WM_COMMAND, ID_CMD_HELP_CONTENTS, 0);
       },
       "Regular mode - Vellox Help"},
      {"Keyboard shortcuts", [&] { PostMessageA(main, WM_COMMAND, ID_CMD_HELP_SHORTCUTS, 0); },
       "Keyboard shortcuts - Vellox Help"},
      {"How to use QuickLogin", [&] { PostMessageA(main, WM_COMMAND, ID_CMD_HELP_QUICKLOGIN, 0); },
       "How to use QuickLogin - Vellox Help"},
      {"F1 in the List View",
       [&] {
         SendMessageA(main, WM_COMMAND, ID_CMD_TOGGLE_LIST_VIEW, 0);
         ASSERT_TRUE(e2e::WaitUntil(
             [&] {
               view = ListViewOf(program.Id());
               return view && IsWindowVisible(view);
             },
             e2e::kWindowTimeout));
         TypeInto(view, {VK_F1});
       },
       "The List View - Vellox Help"},
      {"the List View's Help button after another topic",
       [&] {
         PostMessageA(main, WM_COMMAND, ID_CMD_HELP_ADD_BOOKMARK, 0);
         ASSERT_NE(
             e2e::WaitForWindow(program.Id(), "How to add a bookmark - Vellox Help", kViewerClass),
             nullptr);
         PostMessageA(GetDlgItem(view, IDC_VIEW_HELP), BM_CLICK, 0, 0);
       },
       "The List View - Vellox Help"},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.what);
    step.act();
    EXPECT_NE(e2e::WaitForWindow(program.Id(), step.caption, kViewerClass), nullptr);
  }
  // One viewer serves every topic.
  EXPECT_EQ(e2e::TopLevelWindows(program.Id(), kViewerClass).size(), 1u);

  PostMessageA(main, WM_COMMAND, ID_CMD_WEB_SITE, 0);
  ASSERT_TRUE(
      e2e::WaitUntil([&] { return GetFileAttributesA(peerLog.c_str()) != INVALID_FILE_ATTRIBUTES; },
                     e2e::kWindowTimeout));
  EXPECT_TRUE(e2e::WaitUntil(
      [&] {
        return ReadWhole(peerLog).find("http://www.velloxsoft.example/") != std::string::npos;
      },
      e2e::kWindowTimeout))
      << ReadWhole(peerLog);
  // The program still ends by itself with the viewer open.
  PostMessageA(main, WM_COMMAND, ID_CMD_APP_EXIT, 0);
  EXPECT_TRUE(program.WaitForExit(e2e::kWindowTimeout));
  program.Stop();
}

}  // namespace

// Three things of the main window met every minute, in Regular and in
// Compact mode: the "Visited" text of the selected bookmark, Left and Right
// leaving the bookmark list as Shift+Tab and Tab do, and Ctrl+Shift+F
// hiding the advanced search dialog that stands in front.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "e2e_windows.h"
#include "posted_marker.h"
#include "resources/resource.h"
#include "vellox_process.h"

namespace {

constexpr DWORD kTimeout = e2e::kWindowTimeout;

using e2e::ControlText;

HWND FocusOf(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

class MainWindowGapsTest : public e2e::FreshSettingsTest {};

TEST_F(MainWindowGapsTest, VisitedTextArrowKeysAndAdvancedSearchToggle) {
  e2e::TempList list("E2E Gaps");
  ASSERT_TRUE(list.Written());
  e2e::VelloxProcess program;
  ASSERT_TRUE(program.Start(e2e::VelloxExePath(), "\"" + list.Path() + "\""));
  HWND regular = e2e::WaitForMainWith(program.Id(), IDC_CATEGORY_LIST);
  ASSERT_NE(regular, nullptr);
  e2e::ChooseListLine(regular, IDC_CATEGORY_LIST, 1);     // News
  e2e::ChooseListLine(regular, IDC_SUBCATEGORY_LIST, 0);  // World News
  e2e::ChooseListLine(regular, IDC_BOOKMARK_LIST, 0);     // Reuters, never visited
  ASSERT_EQ(e2e::SelectedLine(regular, IDC_BOOKMARK_LIST), "Reuters");

  const struct {
    const char* mode;
    int switchCommand;  // 0: stay
    int marker;         // a control only this mode's window has
  } modes[] = {
      {"Regular", 0, IDC_CATEGORY_LIST},
      {"Compact", ID_CMD_MODE_COMPACT, IDC_CATEGORY_PICKER},
  };
  HWND main = regular;
  for (const auto& m : modes) {
    if (m.switchCommand) {
      PostMessageA(main, WM_COMMAND, m.switchCommand, 0);
      main = e2e::WaitForMainWith(program.Id(), m.marker, main);
      ASSERT_NE(main, nullptr) << m.mode;
    }
    // The selected bookmark's last visit, as the time since then.
    EXPECT_TRUE(e2e::WaitUntil([&] { return ControlText(main, IDC_LAST_VISIT).empty(); }, kTimeout))
        << m.mode << ": " << ControlText(main, IDC_LAST_VISIT);
    PostMessageA(main, WM_COMMAND, ID_CMD_VISITED_NOW, 0);
    EXPECT_TRUE(e2e::WaitUntil([&] { return ControlText(main, IDC_LAST_VISIT) == "moments ago"; },
                               kTimeout))
        << m.mode << ": " << ControlText(main, IDC_LAST_VISIT);
    PostMessageA(main, WM_COMMAND, ID_CMD_VISITED_NEVER, 0);
    EXPECT_TRUE(e2e::WaitUntil([&] { return ControlText(main, IDC_LAST_VISIT).empty(); }, kTimeout))
        << m.mode << ": " << ControlText(main, IDC_LAST_VISIT);

    // Right and Left move on from the bookmark list as Tab and Shift+Tab.
    HWND bookmarks = GetDlgItem(main, IDC_BOOKMARK_LIST);
    for (bool previous : {false, true}) {
      PostMessageA(main, WM_COMMAND, ID_CMD_FOCUS_BOOKMARKS, 0);
      ASSERT_TRUE(e2e::WaitUntil([&] { return FocusOf(main) == bookmarks; }, kTimeout)) << m.mode;
      const HWND expected = GetNextDlgTabItem(main, bookmarks, previous);
      ASSERT_NE(expected, bookmarks);
      PostMessageA(bookmarks, WM_KEYDOWN, previous ? VK_LEFT : VK_RIGHT, 0);
      EXPECT_TRUE(e2e::WaitUntil([&] { return FocusOf(main) == expected; }, kTimeout))
          << m.mode << (previous ? ": Left" : ": Right");
    }

    // Ctrl+Shift+F: shown, then hidden while it stands in front of the
    // active main window, then shown again.
    PostMessageA(main, WM_COMMAND, ID_CMD_ADVANCED_SEARCH, 0);
    HWND dialog = e2e::WaitForWindow(program.Id(), "Search Bookmark List");
    ASSERT_NE(dialog, nullptr) << m.mode;
    SetForegroundWindow(main);
    ASSERT_TRUE(e2e::WaitUntil([&] { return GetForegroundWindow() == main; }, kTimeout));
    PostMessageA(main, WM_COMMAND, ID_CMD_ADVANCED_SEARCH, 0);
    EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindowVisible(dialog); }, kTimeout)) << m.mode;
    PostMessageA(main, WM_COMMAND, ID_CMD_ADVANCED_SEARCH, 0);
    EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(dialog) != FALSE; }, kTimeout))
        << m.mode;
  }
  program.Stop();
}

}  // namespace

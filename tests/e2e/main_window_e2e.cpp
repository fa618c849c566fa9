// The main window through the real program: the title, the status line,
// the columns filled from the sample list, the mode switches, and the Alt
// keys that move to a column.
#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "e2e_windows.h"
#include "resources/resource.h"
#include "vellox_process.h"

namespace {

constexpr DWORD kTimeout = e2e::kWindowTimeout;

using e2e::ControlText;
using e2e::ListBoxLines;
using e2e::SampleListSource;
using e2e::WaitForMainWith;

// A copy of the sample list in the temporary folder, removed afterwards.
class SampleList : public e2e::TempList {
 public:
  SampleList() : TempList("E2E Main") {}
};

bool IsTopmost(HWND w) { return (GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

struct KeyEvent {
  WORD key;
  bool down;
};

// Keys pressed and released in this order, as the keyboard would send them.
bool Type(std::initializer_list<KeyEvent> events) {
  std::vector<INPUT> keys;
  for (const KeyEvent& e : events) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = e.key;
    input.ki.dwFlags = e.down ? 0 : KEYEVENTF_KEYUP;
    keys.push_back(input);
  }
  return SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT)) == keys.size();
}

bool Press(WORD key) { return Type({{key, true}, {key, false}}); }

bool InMenuMode(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) &&
         (info.flags & GUI_INMENUMODE) != 0;
}

class MainWindowTest : public e2e::FreshSettingsTest {};

TEST_F(MainWindowTest, WithoutListTheTitleIsVelloxAndTheStatusLineSaysSo) {
  e2e::VelloxProcess program;
  ASSERT_TRUE(program.Start(e2e::VelloxExePath(), ""));
  HWND main = WaitForMainWith(program.Id(), IDC_CATEGORY_LIST);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(e2e::WindowTitle(main), "Vellox");
  EXPECT_EQ(e2e::WindowClass(main), "#32770");
  EXPECT_EQ(ControlText(main, IDC_STATUS_LINE)
                .rfind("List n/a    Unique bookmarks: 0    Default browser: ", 0),
            0u)
      << ControlText(main, IDC_STATUS_LINE);
  EXPECT_EQ(SendMessageA(GetDlgItem(main, IDC_CATEGORY_LIST), LB_GETCOUNT, 0, 0), 0);
  // The default look is the flat one: the push buttons draw themselves.
  EXPECT_EQ(GetWindowLongA(GetDlgItem(main, IDC_SEARCH), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  EXPECT_EQ(ControlText(main, IDC_SEARCH), "Search");
  program.Stop();
}

TEST_F(MainWindowTest, ColumnsShowTheSampleListAndFollowTheSelection) {
  SampleList list;
  ASSERT_TRUE(list.Written()) << SampleListSource();
  e2e::VelloxProcess program;
  ASSERT_TRUE(program.Start(e2e::VelloxExePath(), "\"" + list.Path() + "\""));
  HWND main = nullptr;
  ASSERT_TRUE(e2e::WaitUntil(
      [&] {
        main = e2e::MainWindowOf(program.Id());
        return main && e2e::WindowTitle(main) == "E2E Main - Vellox";
      },
      kTimeout));
  const std::vector<std::string> expected = {"SmartFolders",     "News",
                                             "Reference",        "Science and Learning",
                                             "Software and Web", "Everyday Tools"};
  EXPECT_EQ(ListBoxLines(main, IDC_CATEGORY_LIST), expected);
  const std::string status = ControlText(main, IDC_STATUS_LINE);
  EXPECT_EQ(status.rfind("List saved ", 0), 0u) << status;
  EXPECT_NE(status.find("    Unique bookmarks: "), std::string::npos) << status;

  // Choosing "News" fills the subcategory column with its children.
  e2e::ChooseListLine(main, IDC_CATEGORY_LIST, 1);
  EXPECT_EQ(ListBoxLines(main, IDC_SUBCATEGORY_LIST),
            (std::vector<std::string>{"World News", "Technology"}));
  EXPECT_EQ(SendMessageA(GetDlgItem(main, IDC_BOOKMARK_LIST), LB_GETCOUNT, 0, 0), 0);
  program.Stop();
}

TEST_F(MainWindowTest, ModeSwitchesRebuildOrReshapeTheWindow) {
  SampleList list;
  ASSERT_TRUE(list.Written());
  e2e::VelloxProcess program;
  ASSERT_TRUE(program.Start(e2e::VelloxExePath(), "\"" + list.Path() + "\""));
  HWND regular = WaitForMainWith(program.Id(), IDC_CATEGORY_LIST);
  ASSERT_NE(regular, nullptr);

  // Organize reshapes the same window: the title boxes appear.
  HWND titleBox = GetDlgItem(regular, IDC_CATEGORY_TITLE);
  EXPECT_FALSE(IsWindowVisible(titleBox));
  SendMessageA(regular, WM_COMMAND, ID_CMD_MODE_ORGANIZE, 0);
  EXPECT_TRUE(IsWindowVisible(titleBox));
  SendMessageA(regular, WM_COMMAND, ID_CMD_MODE_REGULAR, 0);
  EXPECT_FALSE(IsWindowVisible(titleBox));
  EXPECT_EQ(e2e::MainWindowOf(program.Id()), regular);

  // Compact is another window.
  PostMessageA(regular, WM_COMMAND, ID_CMD_MODE_COMPACT, 0);
  HWND compact = WaitForMainWith(program.Id(), IDC_CATEGORY_PICKER, regular);
  ASSERT_NE(compact, nullptr);
  EXPECT_FALSE(IsWindow(regular));
  EXPECT_EQ(GetDlgItem(compact, IDC_CATEGORY_LIST), nullptr);
  EXPECT_EQ(e2e::MainWindows(program.Id()).size(), 1u);

  // Compact again changes nothing: a marker command posted behind it still
  // reaches the same window.
  // Keep-at-front is remembered between runs, so the toggle is checked
  // against the state the window started with.
  const bool wasTopmost = IsTopmost(compact);
  SendMessageA(compact, WM_COMMAND, ID_CMD_MODE_COMPACT, 0);
  PostMessageA(compact, WM_COMMAND, ID_CMD_KEEP_AT_FRONT, 0);
  ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(compact) || IsTopmost(compact) != wasTopmost; },
                             kTimeout));
  EXPECT_TRUE(IsWindow(compact));
  EXPECT_EQ(e2e::MainWindowOf(program.Id()), compact);

  // Regular from Compact rebuilds the three columns.
  PostMessageA(compact, WM_COMMAND, ID_CMD_MODE_REGULAR, 0);
  HWND back = WaitForMainWith(program.Id(), IDC_CATEGORY_LIST, compact);
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(ListBoxLines(back, IDC_CATEGORY_LIST).size(), 6u);
  EXPECT_EQ(e2e::WindowTitle(back), "E2E Main - Vellox");
  program.Stop();
}

TEST_F(MainWindowTest, AltDigitMovesToAColumnAndTheNextArrowStaysThere) {
  SampleList list;
  ASSERT_TRUE(list.Written());
  e2e::VelloxProcess program;
  ASSERT_TRUE(program.Start(e2e::VelloxExePath(), "\"" + list.Path() + "\""));
  HWND main = WaitForMainWith(program.Id(), IDC_CATEGORY_LIST);
  ASSERT_NE(main, nullptr);
  e2e::ChooseListLine(main, IDC_CATEGORY_LIST, 1);
  e2e::ChooseListLine(main, IDC_SUBCATEGORY_LIST, 0);
  SetForegroundWindow(main);
  ASSERT_TRUE(e2e::WaitUntil([&] { return GetForegroundWindow() == main; }, kTimeout));

  // Alt+digit, then Down: the column's selection moves one line, unless
  // the Alt key's release left the menu bar active (Down then opens a menu).
  const struct {
    WORD digit;
    int column;
  } cases[] = {{'2', IDC_SUBCATEGORY_LIST}, {'1', IDC_CATEGORY_LIST}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("Alt+") + static_cast<char>(c.digit));
    HWND box = GetDlgItem(main, c.column);
    const LRESULT before = SendMessageA(box, LB_GETCURSEL, 0, 0);
    // Alt is let go first, as a quick hand does.
    ASSERT_TRUE(Type({{VK_MENU, true}, {c.digit, true}, {VK_MENU, false}, {c.digit, false}}));
    ASSERT_TRUE(Press(VK_DOWN));
    e2e::WaitUntil(
        [&] { return InMenuMode(main) || SendMessageA(box, LB_GETCURSEL, 0, 0) != before; },
        kTimeout);
    EXPECT_FALSE(InMenuMode(main));
    EXPECT_EQ(SendMessageA(box, LB_GETCURSEL, 0, 0), before + 1);
    if (InMenuMode(main)) {
      // Out of the menu again for the next case.
      Press(VK_ESCAPE);
      Press(VK_ESCAPE);
    }
  }
  program.Stop();
}

TEST_F(MainWindowTest, ExitStoresTheWindowPlaceForTheNextRun) {
  SampleList list;
  ASSERT_TRUE(list.Written());
  RECT placed = {};
  {
    e2e::VelloxProcess program;
    ASSERT_TRUE(program.Start(e2e::VelloxExePath(), "\"" + list.Path() + "\""));
    HWND main = WaitForMainWith(program.Id(), IDC_CATEGORY_LIST);
    ASSERT_NE(main, nullptr);
    SetWindowPos(main, nullptr, 37, 41, 720, 500, SWP_NOZORDER | SWP_NOACTIVATE);
    GetWindowRect(main, &placed);
    PostMessageA(main, WM_COMMAND, ID_CMD_APP_EXIT, 0);
    ASSERT_TRUE(program.WaitForExit(kTimeout));
  }
  e2e::VelloxProcess again;
  ASSERT_TRUE(again.Start(e2e::VelloxExePath(), "\"" + list.Path() + "\""));
  HWND main = WaitForMainWith(again.Id(), IDC_CATEGORY_LIST);
  ASSERT_NE(main, nullptr);
  RECT now = {};
  GetWindowRect(main, &now);
  EXPECT_EQ(now.left, placed.left);
  EXPECT_EQ(now.top, placed.top);
  EXPECT_EQ(now.right - now.left, placed.right - placed.left);
  EXPECT_EQ(now.bottom - now.top, placed.bottom - placed.top);
  again.Stop();
}

}  // namespace

// A list file the program may only read (another program holds it open
// for reading and shares it only for reading): the program warns, shows
// the list, says "read only" on the status line and stays out of Organize
// mode.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "e2e_windows.h"
#include "posted_marker.h"
#include "resources/resource.h"
#include "vellox_process.h"

namespace {

class ReadOnlyListTest : public e2e::FreshSettingsTest {};

TEST_F(ReadOnlyListTest, WarnsShowsReadOnlyAndRefusesOrganize) {
  e2e::TempList list("E2E Read Only");
  ASSERT_TRUE(list.Written());
  HANDLE holder = CreateFileA(list.Path().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  e2e::VelloxProcess program;
  ASSERT_TRUE(program.Start(e2e::VelloxExePath(), "\"" + list.Path() + "\""));
  // The warning comes first; OK lets the list open.
  EXPECT_TRUE(e2e::Answer(program.Id(), "Read-Only Bookmark List File", IDOK));

  HWND main = e2e::WaitForMainTitled(program.Id(), "E2E Read Only - Vellox");
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(
      e2e::ControlText(main, IDC_STATUS_LINE).rfind("List read only    Unique bookmarks: ", 0), 0u)
      << e2e::ControlText(main, IDC_STATUS_LINE);
  EXPECT_FALSE(e2e::ListBoxLines(main, IDC_CATEGORY_LIST).empty());

  // F8 is refused: the title boxes and New buttons stay hidden.
  SendMessageA(main, WM_COMMAND, ID_CMD_MODE_ORGANIZE, 0);
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(main, IDC_CATEGORY_TITLE)));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(main, IDC_NEW_CATEGORY)));
  EXPECT_EQ(e2e::MainWindowOf(program.Id()), main);

  // From Compact neither F8 nor Ctrl+N (nor Compact again) reaches
  // Organize: once the program has handled them, and the commands the
  // Compact window passes on to the command window by posting them again,
  // the same Compact window is shown.
  PostMessageA(main, WM_COMMAND, ID_CMD_MODE_COMPACT, 0);
  HWND compact = e2e::WaitForMainWith(program.Id(), IDC_CATEGORY_PICKER, main);
  ASSERT_NE(compact, nullptr);
  PostMessageA(compact, WM_COMMAND, ID_CMD_MODE_ORGANIZE, 0);
  PostMessageA(compact, WM_COMMAND, ID_CMD_NEW_BOOKMARK, 0);
  PostMessageA(compact, WM_COMMAND, ID_CMD_MODE_COMPACT, 0);
  ASSERT_TRUE(e2e::WaitForPostedMessages(program.Id()));
  EXPECT_TRUE(IsWindow(compact));
  EXPECT_EQ(e2e::MainWindowOf(program.Id()), compact);
  EXPECT_EQ(GetDlgItem(compact, IDC_BOOKMARK_TITLE), nullptr) << "no Organize window was built";
  program.Stop();
  CloseHandle(holder);
}

}  // namespace

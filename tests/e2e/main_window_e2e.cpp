// The main window through the real program: the title, the status line,
// the columns filled from the sample list, and the mode switches.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "vellox_process.h"

namespace {

constexpr DWORD kTimeout = 20000;

std::string SampleListSource() { return std::string(VELLOX_TEST_DATA) + "\\..\\..\\src\\resources\\Default.bkl"; }

// A copy of the sample list in the temporary folder, removed afterwards.
class SampleList {
 public:
  SampleList() {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    folder_ = folder;
    path_ = folder_ + "E2E Main.bkl";
    copied_ = CopyFileA(SampleListSource().c_str(), path_.c_str(), FALSE) != 0;
  }
  ~SampleList() {
    DeleteFileA(path_.c_str());
    DeleteFileA((folder_ + "Autobackup of E2E Main.bkl").c_str());
  }
  const std::string& Path() const { return path_; }
  bool Copied() const { return copied_; }

 private:
  std::string folder_;
  std::string path_;
  bool copied_ = false;
};

std::string ControlText(HWND dialog, int id) {
  char text[512] = {};
  SendMessageA(GetDlgItem(dialog, id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

std::vector<std::string> ListBoxLines(HWND dialog, int id) {
  HWND box = GetDlgItem(dialog, id);
  std::vector<std::string> lines;
  int count = static_cast<int>(SendMessageA(box, LB_GETCOUNT, 0, 0));
  // Across processes the line text travels as UTF-16.
  for (int i = 0; i < count; ++i) {
    wchar_t wide[512] = {};
    LRESULT length = SendMessageW(box, LB_GETTEXTLEN, i, 0);
    if (length >= 0 && length < 512) SendMessageW(box, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide));
    char text[1024] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    lines.push_back(text);
  }
  return lines;
}

// The main window once it differs from notThis and has control id.
HWND WaitForMainWith(DWORD pid, int id, HWND notThis = nullptr) {
  HWND main = nullptr;
  e2e::WaitUntil(
      [&] {
        main = e2e::MainWindowOf(pid);
        return main && main != notThis && GetDlgItem(main, id) && IsWindowVisible(main);
      },
      kTimeout);
  return main && main != notThis && GetDlgItem(main, id) ? main : nullptr;
}

bool IsTopmost(HWND w) { return (GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    e2e::DeleteUserSettingsKey();
    e2e::EnsureUserSettingsKey();
  }
  void TearDown() override {
    e2e::DeleteUserSettingsKey();
    e2e::EnsureUserSettingsKey();
  }
};

TEST_F(MainWindowTest, WithoutListTheTitleIsVelloxAndTheStatusLineSaysSo) {
  e2e::VelloxProcess program;
  ASSERT_TRUE(program.Start(e2e::VelloxExePath(), ""));
  HWND main = WaitForMainWith(program.Id(), IDC_CATEGORY_LIST);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(e2e::WindowTitle(main), "Vellox");
  EXPECT_EQ(e2e::WindowClass(main), "#32770");
  EXPECT_EQ(ControlText(main, IDC_STATUS_LINE).rfind("List n/a    Unique bookmarks: 0    Default browser: ", 0), 0u)
      << ControlText(main, IDC_STATUS_LINE);
  EXPECT_EQ(SendMessageA(GetDlgItem(main, IDC_CATEGORY_LIST), LB_GETCOUNT, 0, 0), 0);
  program.Stop();
}

TEST_F(MainWindowTest, ColumnsShowTheSampleListAndFollowTheSelection) {
  SampleList list;
  ASSERT_TRUE(list.Copied()) << SampleListSource();
  e2e::VelloxProcess program;
  ASSERT_TRUE(program.Start(e2e::VelloxExePath(), "\"" + list.Path() + "\""));
  HWND main = nullptr;
  ASSERT_TRUE(e2e::WaitUntil(
      [&] {
        main = e2e::MainWindowOf(program.Id());
        return main && e2e::WindowTitle(main) == "E2E Main - Vellox";
      },
      kTimeout));
  const std::vector<std::string> expected = {"SmartFolders", "News", "Reference", "Science and Learning",
                                             "Software and Web", "Everyday Tools"};
  EXPECT_EQ(ListBoxLines(main, IDC_CATEGORY_LIST), expected);
  const std::string status = ControlText(main, IDC_STATUS_LINE);
  EXPECT_EQ(status.rfind("List saved ", 0), 0u) << status;
  EXPECT_NE(status.find("    Unique bookmarks: "), std::string::npos) << status;

  // Choosing "News" fills the subcategory column with its children.
  HWND categories = GetDlgItem(main, IDC_CATEGORY_LIST);
  SendMessageA(categories, LB_SETCURSEL, 1, 0);
  SendMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_CATEGORY_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(categories));
  EXPECT_EQ(ListBoxLines(main, IDC_SUBCATEGORY_LIST), (std::vector<std::string>{"World News", "Technology"}));
  EXPECT_EQ(SendMessageA(GetDlgItem(main, IDC_BOOKMARK_LIST), LB_GETCOUNT, 0, 0), 0);
  program.Stop();
}

TEST_F(MainWindowTest, ModeSwitchesRebuildOrReshapeTheWindow) {
  SampleList list;
  ASSERT_TRUE(list.Copied());
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
  ASSERT_TRUE(e2e::WaitUntil([&] { return !IsWindow(compact) || IsTopmost(compact) != wasTopmost; }, kTimeout));
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

}  // namespace

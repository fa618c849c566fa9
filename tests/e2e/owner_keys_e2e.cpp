// The main window's function keys typed in its List View dialog reach the
// main window: F9 there hides the List View again.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "e2e_windows.h"
#include "resources/resource.h"
#include "vellox_process.h"

namespace {

constexpr DWORD kTimeout = 20000;

using e2e::SampleListSource;

HWND ListViewOf(DWORD pid) {
  for (HWND w : e2e::TopLevelWindows(pid, "#32770"))
    if (GetDlgItem(w, IDC_VIEW_TABLE)) return w;
  return nullptr;
}

class OwnerKeys : public ::testing::Test {
 protected:
  void SetUp() override {
    e2e::DeleteUserSettingsKey();
    e2e::EnsureUserSettingsKey();
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    path_ = std::string(folder) + "E2E Keys.bkl";
    backup_ = std::string(folder) + "Autobackup of E2E Keys.bkl";
    ASSERT_TRUE(CopyFileA(SampleListSource().c_str(), path_.c_str(), FALSE));
  }
  void TearDown() override {
    e2e::DeleteUserSettingsKey();
    e2e::EnsureUserSettingsKey();
    DeleteFileA(path_.c_str());
    DeleteFileA(backup_.c_str());
  }
  std::string path_;
  std::string backup_;
};

TEST_F(OwnerKeys, F9InTheListViewHidesItThroughTheMainWindow) {
  e2e::VelloxProcess program;
  ASSERT_TRUE(program.Start(e2e::VelloxExePath(), "\"" + path_ + "\""));
  HWND main = nullptr;
  ASSERT_TRUE(e2e::WaitUntil(
      [&] {
        main = e2e::MainWindowOf(program.Id());
        return main && e2e::WindowTitle(main) == "E2E Keys - Vellox";
      },
      kTimeout));
  SendMessageA(main, WM_COMMAND, ID_CMD_TOGGLE_LIST_VIEW, 0);
  HWND view = nullptr;
  ASSERT_TRUE(e2e::WaitUntil(
      [&] {
        view = ListViewOf(program.Id());
        return view && IsWindowVisible(view);
      },
      kTimeout));
  HWND table = GetDlgItem(view, IDC_VIEW_TABLE);

  // F9 typed in the dialog's table toggles the List View off.
  PostMessageA(table, WM_KEYDOWN, VK_F9, 1);
  PostMessageA(table, WM_KEYUP, VK_F9, 0xC0000001);
  EXPECT_TRUE(e2e::WaitUntil([&] { return !IsWindowVisible(view); }, kTimeout));
  program.Stop();
}

}  // namespace

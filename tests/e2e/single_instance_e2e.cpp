// Start-up and single instance, driven through the real VelloxFl.exe.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <string>

#include "support/install_sandbox_win.h"
#include "vellox_process.h"

namespace {

using e2e::InstancePeer;
using e2e::VelloxProcess;

constexpr DWORD kStartTimeout = 20000;

// A list file (a copy of the sample list) in the temporary folder, removed
// afterwards.
class TempList {
 public:
  explicit TempList(const std::string& name) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    path_ = std::string(folder) + name;
    char sample[MAX_PATH];
    GetFullPathNameA(VELLOX_TEST_DATA "\\..\\..\\src\\resources\\Default.bkl", MAX_PATH, sample,
                     nullptr);
    if (!CopyFileA(sample, path_.c_str(), FALSE)) std::ofstream(path_) << "placeholder\n";
  }
  ~TempList() { DeleteFileA(path_.c_str()); }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// Each test starts from an empty settings key (an installed copy's lists
// would open at start), and everything is put back afterwards.
class SingleInstance : public ::testing::Test {
 protected:
  void SetUp() override {
    e2e::DeleteUserSettingsKey();
    e2e::EnsureUserSettingsKey();
  }
  InstallSandbox sandbox_;
};

TEST_F(SingleInstance, SecondStartHandsItsListToTheFirstAndEnds) {
  VelloxProcess first;
  ASSERT_TRUE(first.Start(e2e::VelloxExePath(), ""));
  HWND main = nullptr;
  ASSERT_TRUE(e2e::WaitUntil([&] { return (main = e2e::MainWindowOf(first.Id())) != nullptr; },
                             kStartTimeout));
  EXPECT_EQ(e2e::WindowTitle(main), "Vellox");
  ASSERT_EQ(e2e::TopLevelWindows(0, "VELLOXFL").size(), 1u);

  TempList list("E2E Handover.bkl");
  VelloxProcess second;
  ASSERT_TRUE(second.Start(e2e::VelloxExePath(), "\"" + list.Path() + "\""));
  DWORD exitCode = 1;
  ASSERT_TRUE(second.WaitForExit(kStartTimeout, &exitCode));
  EXPECT_EQ(exitCode, 0u);
  EXPECT_TRUE(e2e::WaitUntil([&] { return e2e::WindowTitle(main) == "E2E Handover - Vellox"; },
                             kStartTimeout))
      << e2e::WindowTitle(main);
  // The second copy never made a command window of its own.
  EXPECT_EQ(e2e::TopLevelWindows(0, "VELLOXFL").size(), 1u);
  first.Stop();
}

TEST_F(SingleInstance, SecondStartHandsOverToACopyWhoseWindowAppearsLate) {
  // The peer holds the mutex before its window exists, like a copy that is
  // still starting; the window appears once the new copy is on its way.
  InstancePeer peer;
  ASSERT_TRUE(peer.HoldsMutex());
  VelloxProcess second;
  ASSERT_TRUE(second.Start(e2e::VelloxExePath(), "C:\\Lists\\Retry.bkl"));
  peer.ShowWindow();
  ASSERT_TRUE(second.WaitForExit(kStartTimeout));
  ASSERT_EQ(peer.Received().size(), 1u);
  EXPECT_EQ(peer.Received()[0], "C:\\Lists\\Retry.bkl");
}

TEST_F(SingleInstance, CapitalisedUninstallIsTakenAsAListPath) {
  InstancePeer peer;
  ASSERT_TRUE(peer.HoldsMutex());
  peer.ShowWindow();
  VelloxProcess second;
  ASSERT_TRUE(second.Start(e2e::VelloxExePath(), "-Uninstall"));
  ASSERT_TRUE(second.WaitForExit(kStartTimeout));
  ASSERT_EQ(peer.Received().size(), 1u);
  EXPECT_EQ(peer.Received()[0], "-Uninstall");
}

TEST_F(SingleInstance, SetupNameInAnyCaseRunsTheInstallerWithoutTheCheck) {
  InstancePeer peer;
  ASSERT_TRUE(peer.HoldsMutex());
  peer.ShowWindow();
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  const std::string setup = std::string(folder) + "SeTuP.ExE";
  ASSERT_TRUE(CopyFileA(e2e::VelloxExePath().c_str(), setup.c_str(), FALSE));
  {
    VelloxProcess installer;
    ASSERT_TRUE(installer.Start(setup, "C:\\Lists\\Setup.bkl"));
    HWND dialog = nullptr;
    ASSERT_TRUE(e2e::WaitUntil(
        [&] {
          for (HWND w : e2e::TopLevelWindows(installer.Id(), ""))
            if (e2e::WindowTitle(w) == "Install Vellox v3.9.0") dialog = w;
          return dialog != nullptr;
        },
        kStartTimeout));
    EXPECT_TRUE(peer.Received().empty());
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(installer.WaitForExit(kStartTimeout));
  }
  DeleteFileA(setup.c_str());
}

TEST_F(SingleInstance, WithoutSettingsTheFirstRunSetupAppearsAndCancelEndsTheProgram) {
  // No settings key, and no settings backup to restore one from.
  ASSERT_TRUE(sandbox_.Redirected());
  e2e::DeleteUserSettingsKey();
  TempList list("E2E Unconfigured.bkl");
  VelloxProcess program;
  ASSERT_TRUE(program.Start(e2e::VelloxExePath(), "\"" + list.Path() + "\""));
  HWND dialog = nullptr;
  ASSERT_TRUE(e2e::WaitUntil(
      [&] {
        for (HWND w : e2e::TopLevelWindows(program.Id(), ""))
          if (e2e::WindowTitle(w) == "Vellox Setup" && IsWindowVisible(w)) dialog = w;
        return dialog != nullptr;
      },
      kStartTimeout));
  // No list is opened before the setup is done.
  EXPECT_EQ(e2e::MainWindowOf(program.Id()), nullptr);
  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(program.WaitForExit(kStartTimeout));
  HKEY key;
  LONG opened = RegOpenKeyExA(HKEY_CURRENT_USER, e2e::kSettingsKey, 0, KEY_READ, &key);
  if (opened == ERROR_SUCCESS) RegCloseKey(key);
  EXPECT_NE(opened, ERROR_SUCCESS) << "cancelling the first run stored settings";
}

}  // namespace

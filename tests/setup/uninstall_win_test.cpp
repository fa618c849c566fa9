#include <gtest/gtest.h>
#include <windows.h>
// The shell and COM headers need windows.h first.
#include <objbase.h>
#include <shlobj.h>

#include <string>
#include <thread>

#include "platform/platform.h"
#include "resources/resource.h"
#include "setup/install_choices.h"
#include "setup/program_files.h"
#include "setup/scripted_answers_win.h"
#include "setup/setup_test_files.h"
#include "setup/shortcuts.h"
#include "setup/uninstall_batch.h"
#include "setup/uninstaller.h"
#include "support/install_sandbox_win.h"
#include "util/registry_win.h"

namespace {

struct LinkInfo {
  std::string target, arguments, iconPath;
  int iconIndex = -1;
};

// Reads a shortcut file back through the shell's link object.
LinkInfo ReadLink(const std::string& path) {
  LinkInfo info;
  HRESULT com = CoInitialize(nullptr);
  IShellLinkA* link = nullptr;
  IPersistFile* file = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link))) &&
      SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
      SUCCEEDED(file->Load(platform::AnsiToUtf16(path).c_str(), STGM_READ))) {
    char text[MAX_PATH] = "";
    if (SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH))) info.target = text;
    text[0] = '\0';
    if (SUCCEEDED(link->GetArguments(text, MAX_PATH))) info.arguments = text;
    text[0] = '\0';
    if (SUCCEEDED(link->GetIconLocation(text, MAX_PATH, &info.iconIndex))) info.iconPath = text;
  }
  if (file) file->Release();
  if (link) link->Release();
  if (SUCCEEDED(com)) CoUninitialize();
  return info;
}

TEST(UninstallBatch, WaitsForTheProgramThenDeletesEverything) {
  const std::string expected =
      ":REPEAT\n"
      "DEL C:\\PROGRA~1\\VELLOX\\VelloxFl.exe\n"
      "IF EXIST \"C:\\PROGRA~1\\VELLOX\\VelloxFl.exe\" GOTO REPEAT\n"
      "DEL C:\\PROGRA~1\\VELLOX\\VelloxFl.chm\n"
      "DEL C:\\PROGRA~1\\VELLOX\\VelloxFl_popup.hlp\n"
      "DEL C:\\PROGRA~1\\VELLOX\\VelloxFl.hlp\n"
      "DEL C:\\PROGRA~1\\VELLOX\\VelloxFl.cnt\n"
      "DEL C:\\PROGRA~1\\VELLOX\\VelloxFl.gid\n"
      "DEL C:\\PROGRA~1\\VELLOX\\VelloxFl.sav\n"
      "DEL C:\\PROGRA~1\\VELLOX\\ReadMe.txt\n"
      "DEL C:\\PROGRA~1\\VELLOX\\Default.bkl\n"
      "DEL C:\\PROGRA~1\\VELLOX\\OrvandIE.dll\n"
      "DEL C:\\PROGRA~1\\VELLOX\\Templates\n"
      "DEL C:\\PROGRA~1\\VELLOX\\VelloxFl.*\n"
      "RMDIR C:\\PROGRA~1\\VELLOX\n"
      "DEL C:\\WINDOWS\\VelloxFl.bat\n"
      "EXIT\n";
  EXPECT_EQ(UninstallBatchText("C:\\PROGRA~1\\VELLOX\\", "C:\\WINDOWS\\VelloxFl.bat"), expected);
  EXPECT_EQ(UninstallBatchText("C:\\PROGRA~1\\VELLOX", "C:\\WINDOWS\\VelloxFl.bat"), expected);
  EXPECT_EQ(BatchFileBytes(":REPEAT\nEXIT\n"), ":REPEAT\r\nEXIT\r\n");
}

class Uninstall : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(sandbox_.Redirected()); }
  InstallSandbox sandbox_;
};

TEST_F(Uninstall, ShortcutsGoWhereChosenAndLeaveWithTheirBoxes) {
  const std::string app = sandbox_.Folder("App");
  const std::string program = app + "VelloxFl.exe";
  Put(program, "program");
  Put(app + "VelloxFl.chm", "help");
  InstallChoices choices;
  choices.startMenu = "Tools\\Bookmarks";
  choices.shortcuts[kShortcutProgramGroup] = true;
  choices.shortcuts[kShortcutDesktop] = true;
  choices.shortcuts[kShortcutQuickLaunch] = true;
  ASSERT_EQ(CreateShortcuts(choices, program, app + "VelloxFl.chm"), 0);

  const std::string group = sandbox_.Folder("Start Menu\\Programs\\Tools\\Bookmarks\\Vellox");
  LinkInfo main = ReadLink(group + "Vellox.lnk");
  EXPECT_EQ(main.target, program);
  EXPECT_EQ(main.arguments, "");
  EXPECT_EQ(main.iconIndex, 0);
  LinkInfo uninstall = ReadLink(group + "Uninstall.lnk");
  EXPECT_EQ(uninstall.target, program);
  EXPECT_EQ(uninstall.arguments, "-uninstall");
  EXPECT_EQ(uninstall.iconPath, program);
  EXPECT_EQ(uninstall.iconIndex, 3);
  EXPECT_EQ(ReadLink(group + "Help.lnk").target, app + "VelloxFl.chm");
  EXPECT_EQ(ReadLink(sandbox_.Folder("Desktop") + "Vellox.lnk").target, program);
  EXPECT_EQ(ReadLink(sandbox_.Folder("AppData\\Microsoft\\Internet Explorer\\Quick Launch") +
                     "Vellox.lnk")
                .target,
            program);
  EXPECT_FALSE(platform::FileExists((sandbox_.Folder("Start Menu") + "Vellox.lnk").c_str()));

  std::array<bool, kShortcutPlaceCount> found = ExistingShortcutPlaces(choices.startMenu);
  for (int place = 0; place < kShortcutPlaceCount; ++place)
    EXPECT_EQ(found[place], choices.shortcuts[place]) << place;

  Put(sandbox_.Folder("Start Menu\\Programs\\Tools") + "Other.lnk", "another program's");
  DeleteProgramGroup(choices.startMenu);
  DeleteProgramShortcuts();
  EXPECT_FALSE(platform::FileExists(group.c_str()));
  // The emptied subfolder goes, its parent that still holds something stays.
  EXPECT_FALSE(
      platform::FileExists(sandbox_.Folder("Start Menu\\Programs\\Tools\\Bookmarks").c_str()));
  EXPECT_TRUE(
      platform::FileExists((sandbox_.Folder("Start Menu\\Programs\\Tools") + "Other.lnk").c_str()));
  EXPECT_FALSE(platform::FileExists((sandbox_.Folder("Desktop") + "Vellox.lnk").c_str()));
}

// The shell may still hold a shortcut open while the group is deleted; the
// file then stays listed until it is let go, and the folders must not be
// left behind because of it.
TEST_F(Uninstall, AGroupWhoseShortcutIsStillHeldOpenGoesWhenItIsLetGo) {
  const std::string app = sandbox_.Folder("App");
  InstallChoices choices;
  choices.startMenu = "Tools\\Bookmarks";
  choices.shortcuts[kShortcutProgramGroup] = true;
  Put(app + "VelloxFl.exe", "program");
  ASSERT_EQ(CreateShortcuts(choices, app + "VelloxFl.exe", ""), 0);
  const std::string group = sandbox_.Folder("Start Menu\\Programs\\Tools\\Bookmarks\\Vellox");
  HANDLE held = CreateFileA((group + "Uninstall.lnk").c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  std::thread letGo([held] {
    Sleep(200);
    CloseHandle(held);
  });
  DeleteProgramGroup(choices.startMenu);
  letGo.join();
  EXPECT_FALSE(platform::FileExists(group.c_str()));
  EXPECT_FALSE(
      platform::FileExists(sandbox_.Folder("Start Menu\\Programs\\Tools\\Bookmarks").c_str()));
}

TEST_F(Uninstall, NoHelpLinkWithoutAHelpFile) {
  const std::string app = sandbox_.Folder("App");
  InstallChoices choices;
  choices.shortcuts[kShortcutProgramGroup] = true;
  Put(app + "VelloxFl.exe", "program");
  ASSERT_EQ(CreateShortcuts(choices, app + "VelloxFl.exe", app + "VelloxFl.chm"), 0);
  const std::string group = sandbox_.Folder("Start Menu\\Programs\\Vellox");
  EXPECT_TRUE(platform::FileExists((group + "Uninstall.lnk").c_str()));
  EXPECT_FALSE(platform::FileExists((group + "Help.lnk").c_str()));
}

TEST_F(Uninstall, ErasingPreferencesRemovesTheKeyAndTheDataFolder) {
  RegWriteString(HKEY_CURRENT_USER, kSettingsKeyForTests, "List Folder", "C:\\Lists");
  const std::string data = sandbox_.Folder("Local AppData\\Velloxsoft\\Vellox\\3.0");
  Put(data + "VelloxFl.sav", "hive");
  Put(sandbox_.Folder("Local AppData\\Velloxsoft\\Other Product") + "keep.txt", "someone else's");
  Put(sandbox_.Folder("Start Menu") + "Vellox.lnk", "link");
  Put(sandbox_.Folder("Start Menu\\Programs\\Startup") + "Vellox.lnk", "link");
  ErasePreferencesAndShortcuts();
  ScopedRegKey key;
  EXPECT_FALSE(key.Open(HKEY_CURRENT_USER, "Software\\Velloxsoft", KEY_READ));
  EXPECT_FALSE(platform::FileExists(sandbox_.Folder("Local AppData\\Velloxsoft\\Vellox").c_str()));
  EXPECT_TRUE(platform::FileExists(
      (sandbox_.Folder("Local AppData\\Velloxsoft\\Other Product") + "keep.txt").c_str()));
  EXPECT_FALSE(platform::FileExists((sandbox_.Folder("Start Menu") + "Vellox.lnk").c_str()));
  EXPECT_FALSE(platform::FileExists(
      (sandbox_.Folder("Start Menu\\Programs\\Startup") + "Vellox.lnk").c_str()));
}

TEST_F(Uninstall, ProgramFilesGoAndWhatIsInUseWaitsForTheRestart) {
  const std::string app = sandbox_.Folder("App");
  for (const char* name :
       {"VelloxFl.exe", "VelloxFl.chm", "VelloxFl.sav", "ReadMe.txt", "Default.bkl", "VelloxFl.bak",
        "Templates\\Plain.txt", "Templates\\Html\\Page.txt"})
    Put(app + name, "x");
  SetFileAttributesA((app + "ReadMe.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  Put(app + "My Bookmarks.bkl", "the user's list");
  // In use, as the running program's own file is.
  HANDLE held = CreateFileA((app + "VelloxFl.exe").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  ScriptedAnswers answers({IDOK});
  InstallPrompter prompter(nullptr, false);
  FileRemoval removal = RemoveInstallation(app, "", &prompter);
  CloseHandle(held);

  EXPECT_FALSE(removal.batchStarted);
  for (const char* name :
       {"VelloxFl.chm", "VelloxFl.sav", "ReadMe.txt", "Default.bkl", "VelloxFl.bak", "Templates"})
    EXPECT_FALSE(platform::FileExists((app + name).c_str())) << name;
  EXPECT_EQ(Read(app + "My Bookmarks.bkl"), "the user's list");
  // The file in use, and the folder that is not empty, wait for the restart.
  EXPECT_TRUE(InstallSandbox::IsPendingDeletion(app + "VelloxFl.exe"));
  EXPECT_TRUE(InstallSandbox::IsPendingDeletion(WithoutBackslash(app)));
  EXPECT_EQ(removal.scheduled.size(), 2u);
  ASSERT_EQ(answers.Captions().size(), 1u);
  EXPECT_EQ(answers.Captions()[0], "Uninstall");
}

TEST_F(Uninstall, NothingLeftMeansNothingToTell) {
  const std::string app = sandbox_.Folder("App");
  Put(app + "VelloxFl.exe", "x");
  Put(app + "Default.bkl", "x");
  ScriptedAnswers answers({});
  InstallPrompter prompter(nullptr, false);
  FileRemoval removal = RemoveInstallation(app, "", &prompter);
  EXPECT_TRUE(removal.scheduled.empty());
  EXPECT_EQ(removal.deleted, 3);  // two files and the folder
  EXPECT_FALSE(platform::FileExists(app.c_str()));
  EXPECT_TRUE(answers.Captions().empty());
}

}  // namespace

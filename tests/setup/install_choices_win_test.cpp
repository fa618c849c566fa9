#include <gtest/gtest.h>
#include <windows.h>
// The shell and COM headers need windows.h first.
#include <shlobj.h>

#include <fstream>
#include <string>

#include "resources/resource.h"
#include "setup/install_choices.h"
#include "setup/install_prompt.h"
#include "setup/program_files.h"
#include "support/install_sandbox_win.h"

namespace {

TEST(InstallChoices, UnattendedSwitch) {
  struct Case {
    const char* line;
    bool unattended;
    const char* folder;
  } cases[] = {
      {"/S", true, ""},
      {"/s", true, ""},
      {"  /S  ", true, ""},
      {"/S /D=C:\\Program Files\\Vellox", true, "C:\\Program Files\\Vellox\\"},
      {"/S /d=D:\\Apps\\V\\", true, "D:\\Apps\\V\\"},
      {"/S /D=\"C:\\Two Words\"", true, "C:\\Two Words\\"},
      {"", false, ""},
      {"/Silent", false, ""},
      {"/S /X", false, ""},
      {"C:\\Lists\\Setup.bkl", false, ""},
      {"-uninstall", false, ""},
  };
  for (const Case& c : cases) {
    std::string folder = "untouched";
    EXPECT_EQ(ParseUnattendedSwitch(c.line, &folder), c.unattended) << c.line;
    if (c.unattended) {
      EXPECT_EQ(folder, c.folder) << c.line;
    }
  }
}

TEST(InstallChoices, ApplicationFolderMustBeAbsoluteAndNameable) {
  struct Case {
    const char* folder;
    bool valid;
  } cases[] = {
      {"C:\\Program Files\\Vellox\\", true},
      {"d:\\V", true},
      {"\\\\server\\share\\Vellox", true},
      {"", false},
      {"Vellox", false},
      {"C:", false},
      {"C:Vellox", false},
      {"\\Vellox", false},
      {"\\\\server", false},
      {"C:\\Vel|lox", false},
      {"C:\\What?\\", false},
      {"C:\\A\\B:C", false},
      {"C:/Program Files", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsValidAbsoluteFolder(c.folder), c.valid) << c.folder;
}

TEST(InstallChoices, RelativeListFolderLiesBelowTheApplicationFolder) {
  struct Case {
    const char* entry;
    const char* expected;
  } cases[] = {
      {"Lists", "C:\\App\\Lists\\"},
      {"Lists\\Mine\\", "C:\\App\\Lists\\Mine\\"},
      {"D:\\Lists", "D:\\Lists\\"},
      {"\\\\server\\lists", "\\\\server\\lists\\"},
      {"", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ResolveListFolder(c.entry, "C:\\App\\"), c.expected) << c.entry;
}

TEST(InstallChoices, CheckNamesTheFirstProblem) {
  InstallSandbox sandbox;
  std::string app = sandbox.Folder("App");
  CreateDirectoryA((app).c_str(), nullptr);
  CreateDirectoryA((app + "Lists").c_str(), nullptr);
  struct Case {
    std::string appFolder, listFolder;
    int expected;
  } cases[] = {
      {app, app + "Lists", 0},
      {app, "Lists", 0},
      {sandbox.Folder("Not Yet"), sandbox.Folder("Documents"),
       0},  // the application folder is made later
      {"", app + "Lists", IDS_INVALID_APP_FOLDER},
      {"relative\\", app + "Lists", IDS_INVALID_APP_FOLDER},
      {app, "Missing", IDS_INVALID_LIST_FOLDER},
      {app, "", IDS_INVALID_LIST_FOLDER},
      {app, app + "Lists\\..\\NotThere", IDS_INVALID_LIST_FOLDER},
  };
  for (const Case& c : cases) {
    InstallChoices choices;
    choices.appFolder = c.appFolder;
    choices.listFolder = c.listFolder;
    EXPECT_EQ(CheckInstallChoices(choices), c.expected) << c.appFolder << " | " << c.listFolder;
  }
}

TEST(InstallChoices, DefaultsFollowTheFormAndTheStoredSetup) {
  InstallSandbox sandbox;
  ASSERT_TRUE(sandbox.Redirected());
  char programFiles[MAX_PATH] = "";
  ASSERT_TRUE(SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_PROGRAM_FILES, nullptr, 0, programFiles)));

  Settings fresh;
  InstallChoices install = DefaultInstallChoices(SetupForm::kInstall, fresh, "C:\\Medium\\");
  EXPECT_EQ(install.appFolder, std::string(programFiles) + "\\Vellox\\");
  EXPECT_EQ(install.listFolder, sandbox.Folder("Documents"));
  EXPECT_EQ(install.startMenu, "");
  // Nothing exists yet: the program group is offered.
  EXPECT_TRUE(install.shortcuts[kShortcutProgramGroup]);
  EXPECT_FALSE(install.shortcuts[kShortcutDesktop]);

  Settings installed;
  installed.appPath = "D:\\Tools\\Vellox\\VelloxFl.exe";
  installed.listFolder = "E:\\Lists";
  installed.startMenu = "Utilities";
  // A desktop shortcut exists already: that is what is offered.
  std::ofstream(sandbox.Folder("Desktop") + "Vellox.lnk") << "link";
  InstallChoices again = DefaultInstallChoices(SetupForm::kInstall, installed, "C:\\Medium\\");
  EXPECT_EQ(again.appFolder, "D:\\Tools\\Vellox\\");
  EXPECT_EQ(again.listFolder, "E:\\Lists\\");
  EXPECT_EQ(again.startMenu, "Utilities");
  EXPECT_TRUE(again.shortcuts[kShortcutDesktop]);
  EXPECT_FALSE(again.shortcuts[kShortcutProgramGroup]);

  InstallChoices setup = DefaultInstallChoices(SetupForm::kSetup, installed, "C:\\Running\\");
  EXPECT_EQ(setup.appFolder, "C:\\Running\\");
}

TEST(InstallChoices, UnattendedAnswersKeepDataAndGoOn) {
  struct Case {
    int id;
    unsigned type;
    int answer;
  } cases[] = {
      {IDS_CLOSE_RUNNING_INSTANCE, MB_YESNOCANCEL, IDYES},
      {IDS_INSTALL_PROBLEM, MB_RETRYCANCEL, IDCANCEL},
      {IDS_OVERWRITE_MOVED_LIST, MB_YESNO, IDNO},
      {IDS_UPDATE_TEMPLATES, MB_YESNO, IDYES},
      {IDS_LIST_UNREACHABLE, MB_YESNO, IDYES},
      {IDS_NO_SHORTCUTS, MB_YESNO, IDNO},
      {IDS_LAUNCH_NOW, MB_YESNO, IDNO},
      {IDS_REGISTRY_ERROR, MB_OK, IDOK},
      {IDS_CANNOT_MOVE_LIST, MB_OK, IDOK},
  };
  for (const Case& c : cases) {
    InstallPrompter quiet(nullptr, true);
    EXPECT_EQ(quiet.Ask(c.id, c.type), c.answer) << c.id;
    EXPECT_EQ(quiet.LastMessage(), c.id);
  }
}

TEST(ProgramFiles, FolderPathsCompareAsTheSystemSeesThem) {
  EXPECT_EQ(WithoutBackslash("C:\\"), "C:\\");
  EXPECT_TRUE(SameFolder("C:\\Program Files\\Vellox", "c:\\program files\\VELLOX\\"));
  EXPECT_TRUE(SameFolder("C:\\A\\..\\B", "C:\\B\\"));
  EXPECT_FALSE(SameFolder("C:\\A", "C:\\AB"));
  EXPECT_FALSE(SameFolder("", "C:\\A"));
}

}  // namespace

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/platform.h"
#include "resources/resource.h"
#include "setup/install_prompt.h"
#include "setup/install_registry.h"
#include "setup/list_relocation.h"
#include "setup/program_copy.h"
#include "setup/program_files.h"
#include "setup/scripted_answers_win.h"
#include "setup/setup_test_files.h"
#include "support/install_sandbox_win.h"
#include "util/registry_win.h"

namespace {

class Installer : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(sandbox_.Redirected());
    medium_ = sandbox_.Folder("Medium");
    app_ = sandbox_.Folder("App");
    Put(medium_ + "SETUP.EXE", "program");
    Put(medium_ + "ReadMe.txt", "read me");
    Put(medium_ + "Default.bkl", "sample");
    Put(medium_ + "Templates\\Plain.txt", "new plain");
    Put(medium_ + "Templates\\Html\\Page.txt", "new page");
  }

  InstallSandbox sandbox_;
  std::string medium_, app_;
};

TEST_F(Installer, ProgramFilesAreCopiedUnderTheirOwnNames) {
  ScriptedAnswers answers({});
  InstallPrompter prompter(nullptr, false);
  ASSERT_EQ(CopyProgramFiles(medium_ + "SETUP.EXE", medium_, app_, &prompter), 0);
  EXPECT_EQ(Read(app_ + "VelloxFl.exe"), "program");
  EXPECT_FALSE(platform::FileExists((app_ + "SETUP.EXE").c_str()));
  EXPECT_EQ(Read(app_ + "ReadMe.txt"), "read me");
  EXPECT_EQ(Read(app_ + "Default.bkl"), "sample");
  EXPECT_EQ(Read(app_ + "Templates\\Html\\Page.txt"), "new page");
  // A fresh folder: nothing to ask.
  EXPECT_TRUE(answers.Captions().empty());
}

TEST_F(Installer, ExistingTemplatesAreUpdatedOnlyWhenTheUserAgrees) {
  for (int answer : {IDNO, IDYES}) {
    Put(app_ + "Templates\\Plain.txt", "old plain");
    Put(app_ + "Templates\\Mine.txt", "my own");
    ScriptedAnswers answers({answer});
    InstallPrompter prompter(nullptr, false);
    ASSERT_EQ(CopyProgramFiles(medium_ + "SETUP.EXE", medium_, app_, &prompter), 0);
    ASSERT_EQ(answers.Texts().size(), 1u);
    EXPECT_NE(answers.Texts()[0].find("update your templates"), std::string::npos);
    EXPECT_EQ(Read(app_ + "Templates\\Plain.txt"), answer == IDYES ? "new plain" : "old plain");
    EXPECT_EQ(Read(app_ + "Templates\\Mine.txt"), "my own");
  }
}

TEST_F(Installer, FileThatCannotBeReplacedIsRetriedOrAbandoned) {
  Put(app_ + "VelloxFl.exe", "old program");
  for (int answer : {IDRETRY, IDCANCEL}) {
    // Held open without sharing, as a running program holds its file.
    static HANDLE held;
    held = CreateFileA((app_ + "VelloxFl.exe").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                       nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ScriptedAnswers answers({answer});
    ScriptedAnswers::beforeAnswer = [] { CloseHandle(held); };
    InstallPrompter prompter(nullptr, false);
    int result = CopyReplacing(medium_ + "SETUP.EXE", app_ + "VelloxFl.exe", &prompter);
    ASSERT_EQ(answers.Captions().size(), 1u);
    EXPECT_EQ(answers.Captions()[0], "Installation Problem");
    EXPECT_EQ(result, answer == IDRETRY ? 0 : IDS_INSTALL_PROBLEM);
    EXPECT_EQ(Read(app_ + "VelloxFl.exe"), answer == IDRETRY ? "program" : "old program");
    Put(app_ + "VelloxFl.exe", "old program");
  }
}

TEST_F(Installer, UnattendedCopyGivesUpOnAFileThatStaysLocked) {
  Put(app_ + "VelloxFl.exe", "old program");
  HANDLE held = CreateFileA((app_ + "VelloxFl.exe").c_str(), GENERIC_READ, 0, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  InstallPrompter quiet(nullptr, true);
  EXPECT_EQ(CopyProgramFiles(medium_ + "SETUP.EXE", medium_, app_, &quiet), IDS_INSTALL_PROBLEM);
  CloseHandle(held);
}

TEST_F(Installer, ListsFollowTheListFolderWithTheirBackups) {
  const std::string from = sandbox_.Folder("Old"), to = sandbox_.Folder("New");
  Put(from + "Work.bkl", "work");
  Put(from + "Autobackup of Work.bkl", "backup");
  Put(from + "Autobackup (older) of Work.bkl", "older");
  Put(from + "Autobackup of Other Work.bkl", "not this list's");
  Put(from + "Home.bkl", "home");
  Put(to + "Home.bkl", "home already there");
  Put(sandbox_.Folder("Elsewhere") + "Far.bkl", "far");
  Put(to + "placeholder", "");
  Settings settings;
  settings.lists = {{"Far", sandbox_.Folder("Elsewhere") + "Far.bkl", 0},
                    {"Gone", from + "Gone.bkl", 0},
                    {"Work", from + "Work.bkl", 7},
                    {"Home", from + "Home.bkl", 0}};
  settings.currentListIndex = 2;

  // Gone: No removes it from the menu; Home: No leaves both files.
  ScriptedAnswers answers({IDNO, IDNO});
  InstallPrompter prompter(nullptr, false);
  MoveListsToFolder(&settings, from, to, &prompter);

  ASSERT_EQ(answers.Captions().size(), 2u);
  EXPECT_EQ(answers.Captions()[0], "List File Not Found");
  EXPECT_EQ(answers.Captions()[1], "Overwrite?");
  ASSERT_EQ(settings.lists.size(), 3u);
  EXPECT_EQ(settings.lists[0].path, sandbox_.Folder("Elsewhere") + "Far.bkl");
  EXPECT_EQ(settings.lists[1].path, to + "Work.bkl");
  EXPECT_EQ(settings.lists[1].start, 7u);
  EXPECT_EQ(settings.lists[2].path, from + "Home.bkl");
  EXPECT_EQ(settings.currentListIndex, 1) << "the current list moved up one place";
  EXPECT_EQ(Read(to + "Work.bkl"), "work");
  EXPECT_FALSE(platform::FileExists((from + "Work.bkl").c_str()));
  EXPECT_EQ(Read(to + "Autobackup of Work.bkl"), "backup");
  EXPECT_EQ(Read(to + "Autobackup (older) of Work.bkl"), "older");
  EXPECT_EQ(Read(from + "Autobackup of Other Work.bkl"), "not this list's");
  EXPECT_EQ(Read(to + "Home.bkl"), "home already there");
  EXPECT_EQ(Read(from + "Home.bkl"), "home");
}

TEST_F(Installer, OverwritingAMovedListNeedsAYesAndAnUnreachableListCanStay) {
  const std::string from = sandbox_.Folder("Old"), to = sandbox_.Folder("New");
  Put(from + "Home.bkl", "home");
  Put(to + "Home.bkl", "stale copy");
  Settings settings;
  settings.lists = {{"Gone", from + "Gone.bkl", 0}, {"Home", from + "Home.bkl", 0}};
  ScriptedAnswers answers({IDYES, IDYES});
  InstallPrompter prompter(nullptr, false);
  MoveListsToFolder(&settings, from, to, &prompter);
  ASSERT_EQ(settings.lists.size(), 2u);
  EXPECT_EQ(settings.lists[0].path, from + "Gone.bkl");
  EXPECT_EQ(settings.lists[1].path, to + "Home.bkl");
  EXPECT_EQ(Read(to + "Home.bkl"), "home");
}

TEST_F(Installer, AListHeldOpenStaysWhereItIsAndTheMenuKeepsPointingAtIt) {
  const std::string from = sandbox_.Folder("Old"), to = sandbox_.Folder("New");
  Put(from + "Open.bkl", "open");
  Put(to + "placeholder", "");
  Settings settings;
  settings.lists = {{"Open", from + "Open.bkl", 0}};
  // As a running copy holds its list: readable by others, never deleted.
  HANDLE held = CreateFileA((from + "Open.bkl").c_str(), GENERIC_READ | GENERIC_WRITE,
                            FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  ScriptedAnswers answers({IDOK});
  InstallPrompter prompter(nullptr, false);
  MoveListsToFolder(&settings, from, to, &prompter);
  CloseHandle(held);
  ASSERT_EQ(answers.Captions().size(), 1u);
  EXPECT_EQ(answers.Captions()[0], "File Error");
  EXPECT_NE(answers.Texts()[0].find(from + "Open.bkl"), std::string::npos);
  EXPECT_EQ(settings.lists[0].path, from + "Open.bkl");
  EXPECT_EQ(Read(from + "Open.bkl"), "open");
  EXPECT_FALSE(platform::FileExists((to + "Open.bkl").c_str())) << "a second copy was left";
}

TEST_F(Installer, NewListFolderGetsMyBookmarksOnce) {
  const std::string lists = sandbox_.Folder("Lists");
  CreateDirectoryA(lists.c_str(), nullptr);
  Settings settings;
  ASSERT_TRUE(AddStarterList(&settings, lists, medium_ + "Default.bkl"));
  ASSERT_EQ(settings.lists.size(), 1u);
  EXPECT_EQ(settings.lists[0].name, "My Bookmarks");
  EXPECT_EQ(settings.lists[0].path, lists + "My Bookmarks.bkl");
  EXPECT_EQ(settings.currentListIndex, 0);
  EXPECT_EQ(Read(lists + "My Bookmarks.bkl"), "sample");
  // The folder has a list now.
  EXPECT_FALSE(AddStarterList(&settings, lists, medium_ + "Default.bkl"));
  EXPECT_EQ(settings.lists.size(), 1u);
}

TEST_F(Installer, RegistryEntriesAreWrittenAndRemovedWithoutTouchingOthers) {
  const std::string program = app_ + "VelloxFl.exe";
  ASSERT_TRUE(WriteInstallRegistry(program, "Tools", medium_ + "SETUP.EXE"));
  EXPECT_EQ(RegReadString(HKEY_CLASSES_ROOT, "VelloxFl\\Shell\\open\\command", ""),
            "\"" + program + "\" %1");
  EXPECT_EQ(RegReadString(HKEY_LOCAL_MACHINE, kSettingsKeyForTests, "Start Menu"), "Tools");
  EXPECT_EQ(RegReadString(HKEY_LOCAL_MACHINE, kSettingsKeyForTests, "Installer"),
            medium_ + "SETUP.EXE");
  // Another program has taken the extension over since.
  RegWriteString(HKEY_CLASSES_ROOT, ".bkl", "", "OtherProgram.List");
  RegWriteString(HKEY_LOCAL_MACHINE, "Software\\Velloxsoft\\Other", "Kept", "yes");
  RemoveMachineRegistry();
  EXPECT_EQ(RegReadString(HKEY_CLASSES_ROOT, ".bkl", ""), "OtherProgram.List");
  ScopedRegKey key;
  EXPECT_FALSE(key.Open(HKEY_CLASSES_ROOT, "VelloxFl", KEY_READ));
  EXPECT_FALSE(key.Open(HKEY_LOCAL_MACHINE, kUninstallKey, KEY_READ));
  EXPECT_FALSE(key.Open(HKEY_LOCAL_MACHINE, kAppPathsKey, KEY_READ));
  EXPECT_FALSE(key.Open(HKEY_LOCAL_MACHINE, "Software\\Velloxsoft\\Vellox", KEY_READ));
  EXPECT_TRUE(key.Open(HKEY_LOCAL_MACHINE, "Software\\Velloxsoft\\Other", KEY_READ));
}

}  // namespace

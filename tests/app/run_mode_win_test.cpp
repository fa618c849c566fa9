#include "app/run_mode.h"

#include <gtest/gtest.h>

TEST(RunMode, InstallerIsRecognisedByTheLastNineCharactersInAnyCase) {
  struct Case {
    const char* path;
    bool installer;
  } cases[] = {
      {"C:\\Temp\\SETUP.EXE", true},   {"C:\\Temp\\setup.exe", true},
      {"C:\\Temp\\SeTuP.ExE", true},   {"C:\\Temp\\MySetup.exe", true},
      {"C:\\Temp\\VelloxFl.exe", false}, {"SETUP.EX", false},
      {"C:\\Temp\\setup.exe.bak", false}, {"", false},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i)
    EXPECT_EQ(IsInstallerProgramPath(cases[i].path), cases[i].installer) << "case " << i << ": " << cases[i].path;
}

TEST(RunMode, OnlyTheExactLowerCaseSwitchUninstalls) {
  EXPECT_TRUE(IsUninstallSwitch("-uninstall"));
  EXPECT_FALSE(IsUninstallSwitch("-Uninstall"));
  EXPECT_FALSE(IsUninstallSwitch("-UNINSTALL"));
  EXPECT_FALSE(IsUninstallSwitch("-uninstall x"));
  EXPECT_FALSE(IsUninstallSwitch(""));
}

TEST(RunMode, CommandLineArgumentDropsProgramNameBlanksAndQuotes) {
  struct Case {
    const char* full;
    const char* argument;
  } cases[] = {
      {"\"C:\\Program Files\\Vellox\\VelloxFl.exe\" C:\\Lists\\My.bkl", "C:\\Lists\\My.bkl"},
      {"VelloxFl.exe   \"C:\\My Lists\\Work.bkl\"  ", "C:\\My Lists\\Work.bkl"},
      {"VelloxFl.exe -uninstall", "-uninstall"},
      {"VelloxFl.exe", ""},
      {"\"C:\\x y\\VelloxFl.exe\"", ""},
      {"VelloxFl.exe \"", "\""},
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i)
    EXPECT_EQ(CommandLineArgument(cases[i].full), cases[i].argument) << "case " << i;
}

// How the program was started: ordinary run, not yet configured, as the
// installer or as the uninstaller.
#pragma once

#include <string>

enum RunMode : int {
  kRunOrdinary = 0,
  kRunNotConfigured = 4,  // no settings stored for the user
  kRunInstaller = 5,      // the program file is called SETUP.EXE
  kRunUninstaller = 6,    // command line "-uninstall"
};

// True when the program file's name ends in "SETUP.EXE", in any case.
bool IsInstallerProgramPath(const std::string& programPath);
// True only for exactly "-uninstall" (case-sensitive).
bool IsUninstallSwitch(const std::string& commandLine);
// The command line after the program's own name, without surrounding blanks
// and without one pair of quotes around the whole text (the shell quotes a
// path it hands over).
std::string CommandLineArgument(const char* fullCommandLine);

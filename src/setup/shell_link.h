// Shortcut files made with the shell's link object.
#pragma once

#include <string>

struct ShellLinkSpec {
  std::string target;
  std::string arguments;  // may be empty
  std::string iconPath;   // empty: the target's own icon
  int iconIndex = 0;
  std::string workingFolder;  // may be empty
};

// Writes the shortcut file linkPath (replacing one that exists). COM is
// initialised for the call when the thread has not done so. True on
// success.
bool WriteShellLink(const std::string& linkPath, const ShellLinkSpec& spec);

// The shell's folder picker.
#pragma once

#include <windows.h>

#include <string>

namespace framework {

// The rootCsidl of a picker over the whole desktop.
constexpr int kWholeDesktop = -1;

// Lets the user pick a file-system folder; start (may be empty) is
// selected first, rootCsidl (a CSIDL_ value, or kWholeDesktop)
// limits the tree. On OK *chosen receives the folder as the shell names it
// and true is returned; *chosen is left alone otherwise.
bool PickFolder(HWND owner, const std::string& title, int rootCsidl, const std::string& start,
                std::string* chosen);

}  // namespace framework

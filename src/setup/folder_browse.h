// The shell's folder picker.
#pragma once

#include <string>

// Lets the user pick a file-system folder, starting at *folder; rootCsidl
// (a CSIDL_ value, or -1 for the whole desktop) limits the tree. On OK
// *folder receives the choice with a trailing backslash and true is
// returned.
bool ChooseFolder(void* owner, const std::string& title, int rootCsidl, std::string* folder);

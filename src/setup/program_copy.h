// Copying the program files into the application folder.
#pragma once

#include <string>

#include "setup/install_prompt.h"

// Copies the running program file (sourceProgram) as "VelloxFl.exe", the
// other program files found in sourceFolder and the "Templates" folder
// (asking first when the application folder already has one) into
// appFolder, which is created when missing. A file that cannot be
// replaced offers to close the running copy of the program, or to retry.
// Returns 0, or the message id of the question the installation was
// abandoned at.
int CopyProgramFiles(const std::string& sourceProgram, const std::string& sourceFolder,
                     const std::string& appFolder, InstallPrompter* prompter);
// Copies one file over another, with the same questions; 0 or the
// message id it was abandoned at.
int CopyReplacing(const std::string& from, const std::string& to, InstallPrompter* prompter);

// The program's files, by index: the same table names them for installing,
// uninstalling and locating files.
#pragma once

#include <string>

constexpr int kProgramFileCount = 13;
constexpr int kProgramFileExe = 0;
constexpr int kProgramFileHelp = 1;
constexpr int kProgramFileSettingsBackup = 6;
constexpr int kProgramFileDefaultList = 8;
constexpr int kProgramFileCompanionLibrary = 9;
constexpr int kProgramFileTemplates = 10;  // a folder
constexpr int kProgramFileWildcard = 11;   // "VelloxFl.*"
constexpr int kProgramFileFolder = 12;     // empty: the application folder itself

// Name of file index (0 to kProgramFileCount - 1) inside the application
// folder.
const char* ProgramFileName(int index);

// The product name, which is also the program group's and the program
// shortcut's name ("Vellox.lnk").
constexpr const char kProductName[] = "Vellox";
// The sample list and the name it gets in a new list folder.
constexpr const char kStarterListName[] = "My Bookmarks";

// folder with exactly one trailing backslash ("" stays "").
std::string WithBackslash(std::string folder);
// folder without its trailing backslash, except for a drive root ("C:\").
std::string WithoutBackslash(std::string folder);
// The folder of a file path, with a trailing backslash ("" when there is none).
std::string FolderOfPath(const std::string& path);
// True when a and b name the same folder (case and trailing backslash ignored).
bool SameFolder(const std::string& a, const std::string& b);

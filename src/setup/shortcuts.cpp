#include "setup/shortcuts.h"

#include <windows.h>

#include "setup/file_tree.h"
#include "setup/program_files.h"
#include "setup/shell_folders.h"
#include "setup/shell_link.h"

namespace {
constexpr char kUninstallLink[] = "Uninstall.lnk";
constexpr char kHelpLink[] = "Help.lnk";
constexpr char kUninstallSwitch[] = "-uninstall";
constexpr int kUninstallIconIndex = 3;

bool IsFile(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
}  // namespace

std::string ProgramShortcutName() { return std::string(kProductName) + ".lnk"; }

std::array<bool, kShortcutPlaceCount> ExistingShortcutPlaces(const std::string& startMenu) {
  std::array<bool, kShortcutPlaceCount> found = {};
  for (int place = 0; place < kShortcutPlaceCount; ++place) {
    std::string folder = ShortcutPlaceFolder(static_cast<ShortcutPlace>(place), startMenu);
    found[place] = !folder.empty() && IsFile(folder + ProgramShortcutName());
  }
  return found;
}

int CreateShortcuts(const InstallChoices& choices, const std::string& programPath,
                    const std::string& helpPath) {
  ShellLinkSpec program;
  program.target = programPath;
  program.iconPath = programPath;
  program.workingFolder = WithoutBackslash(FolderOfPath(programPath));
  int failed = 0;
  for (int place = 0; place < kShortcutPlaceCount; ++place) {
    if (!choices.shortcuts[place]) continue;
    std::string folder = ShortcutPlaceFolder(static_cast<ShortcutPlace>(place), choices.startMenu);
    if (folder.empty() || !MakeFolderTree(folder)) {
      ++failed;
      continue;
    }
    if (!WriteShellLink(folder + ProgramShortcutName(), program)) ++failed;
    if (place != kShortcutProgramGroup) continue;
    ShellLinkSpec uninstall = program;
    uninstall.arguments = kUninstallSwitch;
    uninstall.iconIndex = kUninstallIconIndex;
    if (!WriteShellLink(folder + kUninstallLink, uninstall)) ++failed;
    // A link to a help file that is not there would only fail when used.
    if (IsFile(helpPath)) {
      ShellLinkSpec help;
      help.target = helpPath;
      help.workingFolder = program.workingFolder;
      if (!WriteShellLink(folder + kHelpLink, help)) ++failed;
    }
  }
  return failed;
}

void DeleteProgramShortcuts() {
  for (int place = kShortcutStartMenu; place < kShortcutPlaceCount; ++place) {
    std::string folder = ShortcutPlaceFolder(static_cast<ShortcutPlace>(place), "");
    if (folder.empty()) continue;
    std::string link = folder + ProgramShortcutName();
    SetFileAttributesA(link.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(link.c_str());
  }
}

void DeleteProgramGroup(const std::string& startMenu) {
  std::string group = ProgramGroupFolder(startMenu);
  if (group.empty()) return;
  if (!DeleteFolderTree(group) || startMenu.empty()) return;
  std::string groupPath = WithoutBackslash(group);
  std::string parent = FolderOfPath(groupPath);
  RemoveEmptyFolder(parent, {groupPath.substr(parent.size())});
}

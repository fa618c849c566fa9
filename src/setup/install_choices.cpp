#include "setup/install_choices.h"

#include <windows.h>
// The shell and COM headers need windows.h first.
#include <shlobj.h>

#include <cctype>

#include "resources/resource.h"
#include "setup/program_files.h"
#include "setup/shell_folders.h"
#include "setup/shortcuts.h"

bool InstallChoices::AnyShortcut() const {
  for (bool checked : shortcuts)
    if (checked) return true;
  return false;
}

InstallChoices DefaultInstallChoices(SetupForm form, const Settings& settings,
                                     const std::string& programFolder) {
  InstallChoices choices;
  if (form == SetupForm::kSetup) {
    choices.appFolder = WithBackslash(programFolder);
  } else if (!settings.appPath.empty()) {
    choices.appFolder = FolderOfPath(settings.appPath);
  } else {
    std::string programFiles = SpecialFolder(CSIDL_PROGRAM_FILES);
    choices.appFolder = programFiles.empty() ? std::string() : programFiles + kProductName + "\\";
  }
  choices.listFolder = settings.listFolder.empty() ? SpecialFolder(CSIDL_PERSONAL)
                                                   : WithBackslash(settings.listFolder);
  choices.startMenu = settings.startMenu;
  choices.shortcuts = ExistingShortcutPlaces(choices.startMenu);
  if (!choices.AnyShortcut()) choices.shortcuts[kShortcutProgramGroup] = true;
  return choices;
}

bool IsValidAbsoluteFolder(const std::string& folder) {
  if (folder.find_first_of("<>|\"*?/") != std::string::npos) return false;
  bool drive = folder.size() >= 3 && std::isalpha(static_cast<unsigned char>(folder[0])) &&
               folder[1] == ':' && folder[2] == '\\';
  if (drive) return folder.find(':', 2) == std::string::npos;
  // "\\server\share": a server and a share name at least.
  if (folder.compare(0, 2, "\\\\") != 0 || folder.find(':') != std::string::npos) return false;
  size_t share = folder.find('\\', 2);
  return share != std::string::npos && share > 2 && share + 1 < folder.size() &&
         folder[share + 1] != '\\';
}

std::string ResolveListFolder(const std::string& entry, const std::string& appFolder) {
  if (entry.empty()) return std::string();
  bool absolute = (entry.size() >= 2 && entry[1] == ':') || entry[0] == '\\';
  return WithBackslash(absolute ? entry : WithBackslash(appFolder) + entry);
}

int CheckInstallChoices(const InstallChoices& choices) {
  if (!IsValidAbsoluteFolder(choices.appFolder)) return IDS_INVALID_APP_FOLDER;
  std::string list = ResolveListFolder(choices.listFolder, choices.appFolder);
  DWORD attributes = list.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(list.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
    return IDS_INVALID_LIST_FOLDER;
  return 0;
}

bool ParseUnattendedSwitch(const std::string& commandLine, std::string* appFolder) {
  appFolder->clear();
  size_t i = commandLine.find_first_not_of(" \t");
  if (i == std::string::npos || commandLine[i] != '/' || i + 1 >= commandLine.size() ||
      std::toupper(static_cast<unsigned char>(commandLine[i + 1])) != 'S')
    return false;
  i += 2;
  if (i < commandLine.size() && commandLine[i] != ' ' && commandLine[i] != '\t') return false;
  i = commandLine.find_first_not_of(" \t", i);
  if (i == std::string::npos) return true;
  if (commandLine.size() < i + 3 || commandLine[i] != '/' ||
      std::toupper(static_cast<unsigned char>(commandLine[i + 1])) != 'D' ||
      commandLine[i + 2] != '=')
    return false;
  std::string folder = commandLine.substr(i + 3);
  size_t last = folder.find_last_not_of(" \t");
  folder.resize(last == std::string::npos ? 0 : last + 1);
  if (folder.size() >= 2 && folder.front() == '"' && folder.back() == '"')
    folder = folder.substr(1, folder.size() - 2);
  *appFolder = folder.empty() ? folder : WithBackslash(folder);
  return true;
}

#include "setup/uninstaller.h"

#include <windows.h>
// The shell and COM headers need windows.h first.
#include <shellapi.h>

#include "platform/platform.h"
#include "resources/resource.h"
#include "setup/companion_registration.h"
#include "setup/file_tree.h"
#include "setup/install_registry.h"
#include "setup/program_files.h"
#include "setup/shell_folders.h"
#include "setup/shortcuts.h"
#include "setup/uninstall_batch.h"
#include "setup/uninstall_dialog.h"

namespace {

// Deletes one file or empty folder, else schedules it.
void RemoveOne(const std::string& path, bool isFolder, FileRemoval* removal, bool* needBatch) {
  SetFileAttributesA(path.c_str(), isFolder ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL);
  if (isFolder ? RemoveDirectoryA(path.c_str()) : DeleteFileA(path.c_str())) {
    ++removal->deleted;
    return;
  }
  if (*needBatch) return;
  if (MoveFileExA(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT)) {
    removal->scheduled.push_back(path);
  } else if (GetLastError() == ERROR_CALL_NOT_IMPLEMENTED) {
    *needBatch = true;
  }
}

// A folder's files and sub-folders first, then the folder.
void RemoveTree(const std::string& folder, FileRemoval* removal, bool* needBatch) {
  const std::string base = WithBackslash(folder);
  for (const std::string& name : MatchingFiles(base + "*"))
    RemoveOne(base + name, false, removal, needBatch);
  for (const std::string& name : SubFolders(base)) RemoveTree(base + name, removal, needBatch);
  RemoveOne(WithoutBackslash(base), true, removal, needBatch);
}

bool AlreadyScheduled(const FileRemoval& removal, const std::string& path) {
  for (const std::string& scheduled : removal.scheduled)
    if (lstrcmpiA(scheduled.c_str(), path.c_str()) == 0) return true;
  return false;
}

void StartBatch(const std::string& appFolder, FileRemoval* removal) {
  char windows[MAX_PATH] = "";
  UINT length = GetWindowsDirectoryA(windows, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  char shortPath[MAX_PATH] = "";
  length = GetShortPathNameA(appFolder.c_str(), shortPath, MAX_PATH);
  std::string folder = length > 0 && length < MAX_PATH ? std::string(shortPath) : appFolder;
  const std::string batch = WithBackslash(windows) + kUninstallBatchName;
  if (platform::WriteWholeFile(batch.c_str(), BatchFileBytes(UninstallBatchText(folder, batch))) !=
      0)
    return;
  ShellExecuteA(nullptr, "open", batch.c_str(), nullptr, windows, SW_HIDE);
  removal->batchStarted = true;
}

}  // namespace

void ErasePreferencesAndShortcuts() {
  RemoveUserSettingsKey();
  DeleteProgramShortcuts();
  const std::string data = UserDataFolder();
  if (data.empty()) return;
  // "...\Velloxsoft\Vellox", then "...\Velloxsoft", when nothing else is left.
  std::string gone = WithoutBackslash(data);
  if (!DeleteFolderTree(gone)) return;
  for (int level = 0; level < 2; ++level) {
    std::string parent = FolderOfPath(gone);
    if (parent.empty() || !RemoveEmptyFolder(parent, {gone.substr(parent.size())})) return;
    gone = WithoutBackslash(parent);
  }
}

FileRemoval RemoveProgramFiles(const std::string& appFolder) {
  const std::string folder = WithBackslash(appFolder);
  FileRemoval removal;
  bool needBatch = false;
  for (int index = 0; index < kProgramFileCount; ++index) {
    const std::string name = ProgramFileName(index);
    if (index == kProgramFileWildcard) {
      for (const std::string& match : MatchingFiles(folder + name))
        if (!AlreadyScheduled(removal, folder + match))
          RemoveOne(folder + match, false, &removal, &needBatch);
    } else if (index == kProgramFileFolder) {
      if (IsExistingFolder(folder)) RemoveOne(WithoutBackslash(folder), true, &removal, &needBatch);
    } else if (index == kProgramFileTemplates) {
      if (IsExistingFolder(folder + name)) RemoveTree(folder + name, &removal, &needBatch);
    } else if (IsExistingFile(folder + name)) {
      RemoveOne(folder + name, false, &removal, &needBatch);
    }
  }
  if (needBatch) StartBatch(folder, &removal);
  return removal;
}

FileRemoval RemoveInstallation(const std::string& appFolder, const std::string& startMenu,
                               InstallPrompter* prompter) {
  RemoveMachineRegistry();
  DeleteProgramGroup(startMenu);
  UnregisterCompanionLibrary(WithBackslash(appFolder));
  FileRemoval removal = RemoveProgramFiles(appFolder);
  if (!removal.batchStarted && !removal.scheduled.empty())
    prompter->Ask(IDS_DELETE_AT_RESTART, platform::kMbOk | platform::kMbIconInformation);
  return removal;
}

std::string InstalledAppFolder(const Settings& settings, const std::string& programPath) {
  return settings.appPath.empty() ? FolderOfPath(programPath) : FolderOfPath(settings.appPath);
}

bool RunUninstallDialog(void* owner, const Settings& settings, const std::string& programPath) {
  UninstallDialog dialog;
  if (dialog.Run(static_cast<HWND>(owner)) != IDOK) return false;
  if (!dialog.choices.erasePreferences && !dialog.choices.removeProgram) return false;
  if (dialog.choices.erasePreferences) ErasePreferencesAndShortcuts();
  if (dialog.choices.removeProgram) {
    InstallPrompter prompter(owner, false);
    RemoveInstallation(InstalledAppFolder(settings, programPath), settings.startMenu, &prompter);
  }
  return true;
}

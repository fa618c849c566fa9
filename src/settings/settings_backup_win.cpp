#include <shlobj.h>
#include <windows.h>

#include "settings/settings_key_win.h"
#include "settings/settings_store.h"
#include "util/privilege_win.h"
#include "util/registry_win.h"

namespace {

constexpr const char kDataSubfolders[] = "\\Velloxsoft\\Vellox\\3.0";

std::string WithTrailingBackslash(std::string folder) {
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder;
}

// The user's data folder for the backup (no trailing backslash), or "".
std::string DataFolder() {
  char folder[MAX_PATH] = "";
  // Before Windows 2000 there is no local application data folder.
  bool old = WindowsMajorVersion() < 5;
  if (FAILED(SHGetFolderPathA(nullptr, old ? CSIDL_APPDATA : CSIDL_LOCAL_APPDATA, nullptr, 0,
                              folder)) ||
      folder[0] == '\0')
    return "";
  std::string path = folder;
  if (old) {
    char shortPath[MAX_PATH];
    DWORD length = GetShortPathNameA(folder, shortPath, MAX_PATH);
    if (length > 0 && length < MAX_PATH) path = shortPath;
  }
  if (!path.empty() && path.back() == '\\') path.pop_back();
  return path + kDataSubfolders;
}

// Creates folder and its missing parents below an existing one.
bool MakeFolders(const std::string& folder) {
  if (GetFileAttributesA(folder.c_str()) != INVALID_FILE_ATTRIBUTES) return true;
  size_t cut = folder.find_last_of('\\');
  if (cut == std::string::npos || cut == 0) return false;
  if (!MakeFolders(folder.substr(0, cut))) return false;
  return CreateDirectoryA(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

bool IsFile(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void SetError(uint32_t* systemError, uint32_t code) {
  if (systemError) *systemError = code;
}

}  // namespace

std::string SettingsBackupFolder(const std::string& appFolder) {
  std::string folder = DataFolder();
  if (!folder.empty() && MakeFolders(folder)) return folder + '\\';
  return WithTrailingBackslash(appFolder);
}

std::string FindSettingsBackup(const std::string& appFolder) {
  std::string folder = DataFolder();
  if (!folder.empty() && IsFile(folder + '\\' + kSettingsBackupName))
    return folder + '\\' + kSettingsBackupName;
  if (!appFolder.empty() && IsFile(WithTrailingBackslash(appFolder) + kSettingsBackupName))
    return WithTrailingBackslash(appFolder) + kSettingsBackupName;
  return "";
}

int WriteSettingsBackup(const std::string& appFolder, uint32_t* systemError) {
  SetError(systemError, 0);
  std::string folder = SettingsBackupFolder(appFolder);
  if (folder.empty()) return kBackupNoFile;
  ScopedRegKey key;
  if (!key.Open(HKEY_CURRENT_USER, kSettingsKey, KEY_READ)) return kBackupNoKey;
  PrivilegeToken token;
  if (!EnablePrivilege(&token, "SeBackupPrivilege")) {
    SetError(systemError, GetLastError());
    RestorePrivilege(&token);
    return kBackupPrivilegeRefused;
  }
  // Save beside the old backup first, so that a failed save keeps it. The
  // system refuses to save over an existing file.
  std::string path = folder + kSettingsBackupName;
  std::string fresh = path + ".new";
  SetFileAttributesA(fresh.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(fresh.c_str());
  LONG result = RegSaveKeyA(key.Get(), fresh.c_str(), nullptr);
  RestorePrivilege(&token);
  if (result != ERROR_SUCCESS) {
    SetError(systemError, static_cast<uint32_t>(result));
    DeleteFileA(fresh.c_str());
    return kBackupHiveFailed;
  }
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (!MoveFileExA(fresh.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    SetError(systemError, GetLastError());
    DeleteFileA(fresh.c_str());
    return kBackupHiveFailed;
  }
  return kBackupDone;
}

int ReadSettingsBackup(Settings* settings, uint32_t* systemError) {
  SetError(systemError, 0);
  std::string path = FindSettingsBackup(settings->appFolder);
  if (path.empty()) return kBackupNoFile;
  // Loading a hive takes the restore privilege, and on Windows the backup
  // privilege as well.
  PrivilegeToken restore, backup;
  if (!EnablePrivilege(&restore, "SeRestorePrivilege")) {
    SetError(systemError, GetLastError());
    RestorePrivilege(&restore);
    return kBackupPrivilegeRefused;
  }
  EnablePrivilege(&backup, "SeBackupPrivilege");
  int outcome = kBackupHiveFailed;
  LONG result = RegLoadKeyA(HKEY_USERS, kBackupHiveName, path.c_str());
  if (result == ERROR_SUCCESS) {
    {
      ScopedRegKey hive;
      if (hive.Open(HKEY_USERS, kBackupHiveName, KEY_READ | KEY_WRITE) ||
          hive.Open(HKEY_USERS, kBackupHiveName, KEY_READ)) {
        ReadSettingsKey(hive.Get(), settings);
        outcome = kBackupDone;
      }
    }
    RegUnLoadKeyA(HKEY_USERS, kBackupHiveName);
  } else {
    SetError(systemError, static_cast<uint32_t>(result));
    // Wine leaves an empty key mounted after refusing a damaged file, which
    // would block every later load under the same name.
    RegUnLoadKeyA(HKEY_USERS, kBackupHiveName);
  }
  RestorePrivilege(&backup);
  RestorePrivilege(&restore);
  return outcome;
}

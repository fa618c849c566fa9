// A sandbox for tests that install or uninstall: the user's shell folders
// (documents, start menu, programs, desktop, startup, application data)
// point into a fresh temporary folder, and every registry key that setup
// writes, with the list of files pending deletion at restart, is put back
// afterwards. Header only: the support .cpp files are also built natively.
#pragma once

#include <shlobj.h>
#include <windows.h>

#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "support/registry_snapshot_win.h"

class InstallSandbox {
 public:
  // Shell folder value names and the sandbox sub-folders they point to.
  static constexpr const char* kShellFolders[][2] = {
      {"Personal", "Documents"},
      {"Programs", "Start Menu\\Programs"},
      {"Start Menu", "Start Menu"},
      {"Startup", "Start Menu\\Programs\\Startup"},
      {"Desktop", "Desktop"},
      {"AppData", "AppData"},
      {"Local AppData", "Local AppData"},
  };
  static constexpr const char kUserShellFolders[] =
      "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
  static constexpr const char kShellFoldersKey[] =
      "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
  static constexpr const char kSessionManager[] =
      "System\\CurrentControlSet\\Control\\Session Manager";
  static constexpr const char kPendingValue[] = "PendingFileRenameOperations";
  // What the companion library "OrvandIE.dll" registers when setup runs it.
  static constexpr const char kCompanionClassKey[] =
      "CLSID\\{5E0C7A10-3B1D-4C6E-9A51-7D2F0B6C4E31}";
  static constexpr const char kCompanionHelperKey[] =
      "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Browser Helper "
      "Objects\\{5E0C7A10-3B1D-4C6E-9A51-7D2F0B6C4E31}";

  InstallSandbox() {
    const std::pair<HKEY, const char*> keys[] = {
        {HKEY_CURRENT_USER, "Software\\Velloxsoft"},
        {HKEY_LOCAL_MACHINE, "Software\\Velloxsoft"},
        {HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vellox"},
        {HKEY_LOCAL_MACHINE,
         "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\VelloxFl.exe"},
        {HKEY_CLASSES_ROOT, ".bkl"},
        {HKEY_CLASSES_ROOT, "VelloxFl"},
        {HKEY_CLASSES_ROOT, kCompanionClassKey},
        {HKEY_LOCAL_MACHINE, kCompanionHelperKey},
        {HKEY_CURRENT_USER, kUserShellFolders},
        {HKEY_CURRENT_USER, kShellFoldersKey},
    };
    for (const auto& key : keys)
      snapshots_.push_back(std::make_unique<RegistrySnapshot>(key.first, key.second));
    SavePending();
    MakeRoot();
    HKEY shell;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kUserShellFolders, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &shell, nullptr) != ERROR_SUCCESS)
      return;
    for (const auto& folder : kShellFolders) {
      std::string path = Folder(folder[1]);
      std::filesystem::create_directories(path);
      path.pop_back();
      RegSetValueExA(shell, folder[0], 0, REG_EXPAND_SZ,
                     reinterpret_cast<const BYTE*>(path.c_str()),
                     static_cast<DWORD>(path.size() + 1));
    }
    RegCloseKey(shell);
  }

  ~InstallSandbox() {
    for (auto it = snapshots_.rbegin(); it != snapshots_.rend(); ++it) (*it)->Restore();
    RestorePending();
    std::error_code ignored;
    if (!root_.empty()) std::filesystem::remove_all(root_, ignored);
  }

  InstallSandbox(const InstallSandbox&) = delete;
  InstallSandbox& operator=(const InstallSandbox&) = delete;

  // True when the system now reports the sandbox folders.
  bool Redirected() const {
    const std::pair<int, const char*> checks[] = {{CSIDL_PERSONAL, "Documents"},
                                                  {CSIDL_PROGRAMS, "Start Menu\\Programs"},
                                                  {CSIDL_DESKTOPDIRECTORY, "Desktop"},
                                                  {CSIDL_LOCAL_APPDATA, "Local AppData"}};
    for (const auto& check : checks) {
      char path[MAX_PATH] = "";
      if (FAILED(SHGetFolderPathA(nullptr, check.first, nullptr, SHGFP_TYPE_CURRENT, path)))
        return false;
      std::string expected = Folder(check.second);
      expected.pop_back();
      if (lstrcmpiA(path, expected.c_str()) != 0) return false;
    }
    return true;
  }

  // The sandbox root, or a sub-folder of it, with a trailing backslash.
  std::string Root() const { return root_; }
  std::string Folder(const std::string& name) const { return root_ + name + "\\"; }

  // The files and folders now scheduled for deletion at restart.
  static std::vector<std::string> PendingDeletions() {
    std::vector<std::string> paths;
    std::vector<BYTE> data;
    DWORD type = 0;
    if (!ReadPending(&data, &type) || type != REG_MULTI_SZ) return paths;
    // Pairs of source and target, each ended by a zero; a deletion has an
    // empty target.
    std::vector<std::string> strings;
    std::string current;
    for (BYTE b : data) {
      if (b == 0) {
        strings.push_back(current);
        current.clear();
      } else {
        current += static_cast<char>(b);
      }
    }
    for (size_t i = 0; i + 1 < strings.size() && !strings[i].empty(); i += 2) {
      std::string source = strings[i];
      if (source.compare(0, 4, "\\??\\") == 0) source = source.substr(4);
      if (strings[i + 1].empty()) paths.push_back(source);
    }
    return paths;
  }

  static bool IsPendingDeletion(const std::string& path) {
    for (const std::string& pending : PendingDeletions())
      if (lstrcmpiA(pending.c_str(), path.c_str()) == 0) return true;
    return false;
  }

 private:
  static bool ReadPending(std::vector<BYTE>* data, DWORD* type) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSessionManager, 0, KEY_READ, &key) != ERROR_SUCCESS)
      return false;
    DWORD size = 0;
    bool found =
        RegQueryValueExA(key, kPendingValue, nullptr, type, nullptr, &size) == ERROR_SUCCESS;
    if (found) {
      data->resize(size);
      found =
          RegQueryValueExA(key, kPendingValue, nullptr, type, data->data(), &size) == ERROR_SUCCESS;
      data->resize(size);
    }
    RegCloseKey(key);
    return found;
  }

  void SavePending() { hadPending_ = ReadPending(&pending_, &pendingType_); }

  void RestorePending() const {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSessionManager, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
      return;
    if (hadPending_)
      RegSetValueExA(key, kPendingValue, 0, pendingType_, pending_.data(),
                     static_cast<DWORD>(pending_.size()));
    else
      RegDeleteValueA(key, kPendingValue);
    RegCloseKey(key);
  }

  void MakeRoot() {
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    for (int attempt = 0; attempt < 1000; ++attempt) {
      std::string candidate = std::string(temp) + "vellox-setup-" +
                              std::to_string(GetCurrentProcessId()) + "-" +
                              std::to_string(GetTickCount()) + "-" + std::to_string(attempt);
      if (CreateDirectoryA(candidate.c_str(), nullptr)) {
        root_ = candidate + "\\";
        return;
      }
    }
  }

  std::vector<std::unique_ptr<RegistrySnapshot>> snapshots_;
  std::vector<BYTE> pending_;
  DWORD pendingType_ = REG_MULTI_SZ;
  bool hadPending_ = false;
  std::string root_;
};

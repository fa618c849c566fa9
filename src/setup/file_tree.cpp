#include "setup/file_tree.h"

#include <windows.h>

#include "setup/program_files.h"

namespace {

// Names in pattern's folder; folders when wantFolders, else files.
std::vector<std::string> Matches(const std::string& pattern, bool wantFolders) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (isFolder == wantFolders) names.push_back(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

constexpr int kRemoveAttempts = 40;
constexpr DWORD kRemoveRetryMs = 25;

bool Contains(const std::vector<std::string>& names, const std::string& name) {
  for (const std::string& each : names)
    if (lstrcmpiA(each.c_str(), name.c_str()) == 0) return true;
  return false;
}

// True when folder lists nothing that is not in leaving.
bool OnlyLeavingEntries(const std::string& folder, const std::vector<std::string>& leaving) {
  std::string pattern = WithBackslash(folder) + "*";
  for (bool wantFolders : {false, true})
    for (const std::string& name : Matches(pattern, wantFolders))
      if (!Contains(leaving, name)) return false;
  return true;
}

}  // namespace

bool IsExistingFile(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsExistingFolder(const std::string& path) {
  DWORD attributes = GetFileAttributesA(WithoutBackslash(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool MakeFolderTree(const std::string& folder) {
  std::string path = WithoutBackslash(folder);
  if (path.empty()) return false;
  if (IsExistingFolder(path)) return true;
  size_t cut = path.find_last_of('\\');
  // A drive or server root that does not exist cannot be made.
  if (cut == std::string::npos || cut < 2) return false;
  if (!MakeFolderTree(path.substr(0, cut))) return false;
  return CreateDirectoryA(path.c_str(), nullptr) || IsExistingFolder(path);
}

std::vector<std::string> MatchingFiles(const std::string& pattern) {
  return Matches(pattern, false);
}

std::vector<std::string> SubFolders(const std::string& folder) {
  return Matches(WithBackslash(folder) + "*", true);
}

bool DeleteFolderTree(const std::string& folder) {
  std::string base = WithBackslash(folder);
  if (!IsExistingFolder(base)) return true;
  // A linked folder goes, but not what it links to.
  if (GetFileAttributesA(WithoutBackslash(base).c_str()) & FILE_ATTRIBUTE_REPARSE_POINT)
    return RemoveEmptyFolder(base);
  std::vector<std::string> deleted;
  for (const std::string& name : MatchingFiles(base + "*")) {
    std::string path = base + name;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (DeleteFileA(path.c_str())) deleted.push_back(name);
  }
  for (const std::string& name : SubFolders(base))
    if (DeleteFolderTree(base + name)) deleted.push_back(name);
  return RemoveEmptyFolder(base, deleted);
}

bool RemoveEmptyFolder(const std::string& folder, const std::vector<std::string>& leaving) {
  std::string path = WithoutBackslash(folder);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_DIRECTORY);
  // An entry that another program (the shell, a virus scanner) still holds
  // open stays listed until it lets go, though its deletion has succeeded.
  // While nothing but such entries is left, wait for them for a moment
  // rather than leave an empty folder behind.
  for (int attempt = 0;; ++attempt) {
    if (RemoveDirectoryA(path.c_str()) || !IsExistingFolder(path)) return true;
    if (attempt == kRemoveAttempts || !OnlyLeavingEntries(path, leaving)) return false;
    Sleep(kRemoveRetryMs);
  }
}

#include <shlobj.h>
#include <windows.h>

#include <memory>

#include "exchange/chromium_profiles.h"

namespace {

std::string SpecialFolder(int csidl) {
  char path[MAX_PATH] = "";
  if (!SHGetSpecialFolderPathA(nullptr, path, csidl, FALSE)) return {};
  return path;
}

std::vector<std::string> ListSubfolders(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  std::unique_ptr<void, BOOL(WINAPI*)(HANDLE)> owner(search, FindClose);
  do {
    std::string name = found.cFileName;
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != "." && name != "..")
      names.push_back(name);
  } while (FindNextFileA(search, &found));
  return names;
}

}  // namespace

std::vector<ProfileCandidate> FindUserChromiumProfiles(int sourceCode) {
  AppDataFolders folders{SpecialFolder(CSIDL_LOCAL_APPDATA), SpecialFolder(CSIDL_APPDATA)};
  return FindChromiumProfiles(sourceCode, folders, ListSubfolders);
}

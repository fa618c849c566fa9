// What the profile search reads of the current user's system: the special
// folders, the user's name and the registry values the older browsers left.
#include <shlobj.h>
#include <windows.h>

#include "exchange/import_sources.h"
#include "exchange/profile_paths.h"
#include "platform/folder_listing.h"
#include "util/registry_win.h"

namespace {

constexpr int kMsnSource = 5;
constexpr int kEarlierListSource = 12;
constexpr char kMsnInstalledKey[] = "Software\\Microsoft\\MSN\\SoftwareInstalled";
constexpr char kOperaKey[] = "Software\\Opera Software";
constexpr char kOperaAppPathKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\opera.exe";
// The earlier product kept its list folder beside its other settings.
constexpr char kEarlierProductKey[] = "Software\\Velloxsoft\\Orvandel\\2.0";
constexpr char kEarlierProductFolderValue[] = "List Folder";

std::string SpecialFolder(int csidl) {
  char path[MAX_PATH] = "";
  if (!SHGetSpecialFolderPathA(nullptr, path, csidl, FALSE)) return {};
  return path;
}

std::string UserName() {
  char name[256] = "";
  DWORD size = sizeof name;
  return GetUserNameA(name, &size) ? std::string(name) : std::string();
}

std::vector<std::string> Subfolders(const std::string& folder) {
  std::vector<std::string> names;
  std::vector<platform::FolderEntry> entries;
  if (!platform::ListFolder(folder, &entries)) return names;
  for (const platform::FolderEntry& entry : entries)
    if (entry.isFolder) names.push_back(entry.name);
  return names;
}

// The major version's digit: "Major" as text ("7.0") or as a number.
char MsnVersion() {
  ScopedRegKey key;
  if (!key.Open(HKEY_LOCAL_MACHINE, kMsnInstalledKey, KEY_READ)) return '6';
  std::string text;
  if (RegReadStringValue(key.Get(), "Major", &text) && !text.empty() && text[0] >= '0' &&
      text[0] <= '9')
    return text[0];
  uint32_t number = 0;
  if (RegReadDword(key.Get(), "Major", &number) && number <= 9)
    return static_cast<char>('0' + number);
  return '6';
}

std::vector<std::pair<std::string, std::string>> MsnUsers(char version) {
  std::vector<std::pair<std::string, std::string>> users;
  std::string path = std::string("Software\\Microsoft\\MSN") + version + "\\Users";
  ScopedRegKey key;
  if (!key.Open(HKEY_CURRENT_USER, path.c_str(), KEY_READ)) return users;
  char name[256];
  for (DWORD i = 0;; ++i) {
    DWORD size = sizeof name;
    if (RegEnumKeyExA(key.Get(), i, name, &size, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      break;
    std::string guid = RegReadString(key.Get(), name, "GUID");
    if (!guid.empty()) users.emplace_back(name, guid);
  }
  return users;
}

std::string OperaFolder() {
  std::string folder = RegReadString(HKEY_CURRENT_USER, kOperaKey, "Last Install Path");
  if (folder.empty()) folder = RegReadString(HKEY_CURRENT_USER, kOperaKey, "Last Directory3");
  if (folder.empty()) folder = RegReadString(HKEY_LOCAL_MACHINE, kOperaAppPathKey, "Path");
  while (!folder.empty() && folder.back() == '\\') folder.pop_back();
  return folder;
}

}  // namespace

ProfileEnvironment UserProfileEnvironment(int sourceCode, const std::string& lastUsed) {
  ProfileEnvironment env;
  env.lastUsed = lastUsed;
  env.userName = UserName();
  env.appData = {SpecialFolder(CSIDL_LOCAL_APPDATA), SpecialFolder(CSIDL_APPDATA)};
  env.listSubfolders = Subfolders;
  // Only what the row reads: the registry of other rows is left alone.
  switch (sourceCode) {
    case kFavoritesSource:
      env.favorites = SpecialFolder(CSIDL_FAVORITES);
      env.commonFavorites = SpecialFolder(CSIDL_COMMON_FAVORITES);
      break;
    case kStartMenuSource:
      env.programs = SpecialFolder(CSIDL_PROGRAMS);
      env.commonPrograms = SpecialFolder(CSIDL_COMMON_PROGRAMS);
      break;
    case kMsnSource:
      env.msnVersion = MsnVersion();
      env.msnUsers = MsnUsers(env.msnVersion);
      break;
    case kOperaHotlistSource:
      env.operaFolder = OperaFolder();
      break;
    case kEarlierListSource:
      env.earlierProductFolder =
          RegReadString(HKEY_CURRENT_USER, kEarlierProductKey, kEarlierProductFolderValue);
      break;
    default:
      break;
  }
  return env;
}

#include "setup/shell_folders.h"

#include <windows.h>
// The shell and COM headers need windows.h first.
#include <shlobj.h>

#include "setup/program_files.h"
#include "util/privilege_win.h"

namespace {
constexpr char kQuickLaunch[] = "Microsoft\\Internet Explorer\\Quick Launch\\";
constexpr char kDataSubfolders[] = "Velloxsoft\\Vellox\\3.0";
}  // namespace

std::string SpecialFolder(int csidl) {
  char folder[MAX_PATH] = "";
  if (FAILED(SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, folder)) ||
      folder[0] == '\0')
    return std::string();
  return WithBackslash(folder);
}

std::string ProgramGroupFolder(const std::string& startMenu) {
  std::string programs = SpecialFolder(CSIDL_PROGRAMS);
  if (programs.empty()) return programs;
  if (!startMenu.empty()) programs = WithBackslash(programs + startMenu);
  return programs + kProductName + "\\";
}

std::string ShortcutPlaceFolder(ShortcutPlace place, const std::string& startMenu) {
  switch (place) {
    case kShortcutProgramGroup:
      return ProgramGroupFolder(startMenu);
    case kShortcutStartMenu:
      return SpecialFolder(CSIDL_STARTMENU);
    case kShortcutDesktop:
      return SpecialFolder(CSIDL_DESKTOPDIRECTORY);
    case kShortcutQuickLaunch: {
      std::string appData = SpecialFolder(CSIDL_APPDATA);
      return appData.empty() ? appData : appData + kQuickLaunch;
    }
    case kShortcutStartup:
      return SpecialFolder(CSIDL_STARTUP);
    default:
      return std::string();
  }
}

std::string UserDataFolder() {
  bool old = WindowsMajorVersion() < 5;
  std::string folder = SpecialFolder(old ? CSIDL_APPDATA : CSIDL_LOCAL_APPDATA);
  if (folder.empty()) return folder;
  if (old) {
    char shortPath[MAX_PATH];
    DWORD length = GetShortPathNameA(folder.c_str(), shortPath, MAX_PATH);
    if (length > 0 && length < MAX_PATH) folder = WithBackslash(shortPath);
  }
  return folder + kDataSubfolders;
}

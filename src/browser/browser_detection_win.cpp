#include "browser/browser_detection_win.h"

#include <windows.h>

#include "util/registry_win.h"

namespace browser {

namespace {

constexpr char kCurrentVersion[] = "Software\\Microsoft\\Windows\\CurrentVersion";

}  // namespace

std::string RegistryInstalledPrograms::RegisteredPath(const std::string& exeName) {
  const std::string key = std::string(kCurrentVersion) + "\\App Paths\\" + exeName;
  return RegReadString(HKEY_LOCAL_MACHINE, key.c_str(), "");
}

std::string RegistryInstalledPrograms::ProgramFilesFolder() {
  return RegReadString(HKEY_LOCAL_MACHINE, kCurrentVersion, "ProgramFilesDir");
}

bool RegistryInstalledPrograms::FileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace browser

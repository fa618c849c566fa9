#include "setup/program_files.h"

#include <windows.h>

namespace {
const char* const kNames[kProgramFileCount] = {
    "VelloxFl.exe",
    "VelloxFl.chm",
    "VelloxFl_popup.hlp",
    "VelloxFl.hlp",
    "VelloxFl.cnt",
    "VelloxFl.gid",
    "VelloxFl.sav",
    "ReadMe.txt",
    "Default.bkl",
    "OrvandIE.dll",
    "Templates",
    "VelloxFl.*",
    "",
};
}  // namespace

const char* ProgramFileName(int index) {
  return index >= 0 && index < kProgramFileCount ? kNames[index] : "";
}

std::string WithBackslash(std::string folder) {
  while (folder.size() > 1 && folder.back() == '\\' && folder[folder.size() - 2] == '\\')
    folder.pop_back();
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder;
}

std::string WithoutBackslash(std::string folder) {
  while (!folder.empty() && folder.back() == '\\' && !(folder.size() == 3 && folder[1] == ':'))
    folder.pop_back();
  return folder;
}

std::string FolderOfPath(const std::string& path) {
  size_t cut = path.find_last_of('\\');
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

namespace {
// "C:\A\..\B" and "c:\b\" alike; the text itself when the system cannot
// make a full path of it.
std::string FullFolder(const std::string& folder) {
  char full[MAX_PATH];
  DWORD length = GetFullPathNameA(folder.c_str(), MAX_PATH, full, nullptr);
  return WithBackslash(length > 0 && length < MAX_PATH ? std::string(full, length) : folder);
}
}  // namespace

bool SameFolder(const std::string& a, const std::string& b) {
  if (a.empty() || b.empty()) return a.empty() && b.empty();
  return lstrcmpiA(FullFolder(a).c_str(), FullFolder(b).c_str()) == 0;
}

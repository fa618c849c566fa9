#include "setup/folder_browse.h"

#include <windows.h>

#include "framework/folder_picker.h"
#include "setup/program_files.h"

bool ChooseFolder(void* owner, const std::string& title, int rootCsidl, std::string* folder) {
  // A folder still to be made: start at the nearest one that exists.
  std::string start = WithoutBackslash(*folder);
  while (!start.empty() && GetFileAttributesA(start.c_str()) == INVALID_FILE_ATTRIBUTES) {
    size_t cut = start.find_last_of('\\');
    start.resize(cut == std::string::npos ? 0 : cut);
  }
  std::string chosen;
  if (!framework::PickFolder(static_cast<HWND>(owner), title, rootCsidl, start, &chosen))
    return false;
  *folder = WithBackslash(chosen);
  return true;
}

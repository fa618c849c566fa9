#include "setup/folder_browse.h"

#include <windows.h>
// The shell and COM headers need windows.h first.
#include <objbase.h>
#include <shlobj.h>

#include "setup/program_files.h"

namespace {

int CALLBACK SelectStart(HWND dialog, UINT msg, LPARAM, LPARAM data) {
  if (msg == BFFM_INITIALIZED && data) SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, data);
  return 0;
}

}  // namespace

bool ChooseFolder(void* owner, const std::string& title, int rootCsidl, std::string* folder) {
  HRESULT com = CoInitialize(nullptr);
  LPITEMIDLIST root = nullptr;
  if (rootCsidl >= 0) SHGetSpecialFolderLocation(nullptr, rootCsidl, &root);
  // A folder still to be made: start at the nearest one that exists.
  std::string start = WithoutBackslash(*folder);
  while (!start.empty() && GetFileAttributesA(start.c_str()) == INVALID_FILE_ATTRIBUTES) {
    size_t cut = start.find_last_of('\\');
    start.resize(cut == std::string::npos ? 0 : cut);
  }
  char chosen[MAX_PATH] = "";
  BROWSEINFOA info = {};
  info.hwndOwner = static_cast<HWND>(owner);
  info.pidlRoot = root;
  info.pszDisplayName = chosen;
  info.lpszTitle = title.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  info.lpfn = SelectStart;
  info.lParam = reinterpret_cast<LPARAM>(start.c_str());
  LPITEMIDLIST picked = SHBrowseForFolderA(&info);
  bool ok = picked && SHGetPathFromIDListA(picked, chosen) && chosen[0] != '\0';
  if (ok) *folder = WithBackslash(chosen);
  if (picked) CoTaskMemFree(picked);
  if (root) CoTaskMemFree(root);
  if (SUCCEEDED(com)) CoUninitialize();
  return ok;
}

#include "framework/folder_picker.h"

// The shell and COM headers need windows.h first.
#include <objbase.h>
#include <shlobj.h>

namespace framework {
namespace {

int CALLBACK SelectStart(HWND dialog, UINT msg, LPARAM, LPARAM data) {
  if (msg == BFFM_INITIALIZED && data) SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, data);
  return 0;
}

}  // namespace

bool PickFolder(HWND owner, const std::string& title, int rootCsidl, const std::string& start,
                std::string* chosen) {
  HRESULT com = CoInitialize(nullptr);
  LPITEMIDLIST root = nullptr;
  if (rootCsidl >= 0) SHGetSpecialFolderLocation(nullptr, rootCsidl, &root);
  char picked[MAX_PATH] = "";
  BROWSEINFOA info = {};
  info.hwndOwner = owner;
  info.pidlRoot = root;
  info.pszDisplayName = picked;
  info.lpszTitle = title.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  info.lpfn = SelectStart;
  info.lParam = reinterpret_cast<LPARAM>(start.c_str());
  LPITEMIDLIST list = SHBrowseForFolderA(&info);
  bool ok = list && SHGetPathFromIDListA(list, picked) && picked[0] != '\0';
  if (ok) *chosen = picked;
  if (list) CoTaskMemFree(list);
  if (root) CoTaskMemFree(root);
  if (SUCCEEDED(com)) CoUninitialize();
  return ok;
}

}  // namespace framework

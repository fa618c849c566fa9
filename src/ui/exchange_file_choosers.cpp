#include <windows.h>
// The dialog header needs windows.h first.
#include <commdlg.h>

#include <string>
#include <vector>

#include "framework/folder_picker.h"
#include "ui/exchange_dialogs.h"

namespace {

std::string FolderOf(const std::string& path) {
  size_t cut = path.rfind('\\');
  return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

}  // namespace

bool ChooseExchangeFile(HWND parent, const std::string& title, const std::string& filter,
                        const std::string& defaultExtension, bool save, std::string* path) {
  // The filter's "|" separators become the NULs the dialog reads.
  std::string nulFilter = filter;
  for (char& c : nulFilter)
    if (c == '|') c = '\0';
  std::vector<char> buffer(MAX_PATH * 4, '\0');
  std::string folder = FolderOf(*path);
  std::string name = path->substr(folder.empty() ? 0 : folder.size() + 1);
  name.copy(buffer.data(), buffer.size() - 1);
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = parent;
  ofn.lpstrFilter = nulFilter.c_str();
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = static_cast<DWORD>(buffer.size());
  ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
  ofn.lpstrDefExt = defaultExtension.empty() ? nullptr : defaultExtension.c_str();
  ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
  if (!save) ofn.Flags |= OFN_FILEMUSTEXIST;
  BOOL chosen = save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
  if (!chosen) return false;
  *path = buffer.data();
  return true;
}

bool ChooseExchangeFolder(HWND parent, const std::string& title, std::string* folder) {
  std::string start = *folder;
  while (!start.empty() && start.back() == '\\') start.pop_back();
  return framework::PickFolder(parent, title, framework::kWholeDesktop, start, folder);
}

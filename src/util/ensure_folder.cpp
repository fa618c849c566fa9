#include "util/ensure_folder.h"

#include "platform/platform.h"
#include "util/messages.h"

namespace {

bool Ensure(void* owner, std::string* path, bool isFilePath, bool mayCreate, bool ask);

void AppendSeparator(std::string* path) {
  if (!path->empty()) *path += platform::PreferredSeparator();
}

// The folder is missing: create it, and on failure its parent first.
bool CreateMissing(void* owner, std::string* path, bool ask) {
  if (ask &&
      MessageText(owner, "Create folder?\tThis folder doesn't exist. Do you want to create it?\n" + *path,
                  platform::kMbYesNo | platform::kMbIconQuestion) != platform::kIdYes)
    return false;
  if (platform::CreateFolder(path->c_str()) == platform::kErrorNone) return true;
  size_t cut = platform::LastSeparator(*path);
  bool made = false;
  if (cut != std::string::npos && cut > 0) {
    std::string parent = path->substr(0, cut);
    made = Ensure(owner, &parent, false, true, false) &&
           platform::CreateFolder(path->c_str()) == platform::kErrorNone;
  }
  // A folder created meanwhile by someone else counts as made.
  if (!made && !platform::FolderExists(path->c_str())) {
    MessageText(owner, "Error\tSorry, I cannot create this folder:\n" + *path,
                platform::kMbOk | platform::kMbIconWarning);
    return false;
  }
  return true;
}

bool Ensure(void* owner, std::string* path, bool isFilePath, bool mayCreate, bool ask) {
  if (isFilePath || (platform::FileExists(path->c_str()) && !platform::FolderExists(path->c_str()))) {
    size_t cut = platform::LastSeparator(*path);
    if (cut == std::string::npos) {
      path->clear();
      return false;
    }
    path->resize(cut);
  }
  while (!path->empty() && platform::IsPathSeparator(path->back())) path->pop_back();
  if (mayCreate && !path->empty() && path->back() == ':') mayCreate = false;  // a bare drive

  bool ok;
  if (path->empty()) {
    ok = false;
  } else if (platform::FolderExists(path->c_str())) {
    ok = true;
  } else if (!mayCreate) {
    if (ask)
      MessageText(owner, "Folder doesn't exist\tSorry, but this folder doesn't exist:\n" + *path,
                  platform::kMbOk | platform::kMbIconWarning);
    ok = false;
  } else {
    ok = CreateMissing(owner, path, ask);
  }
  AppendSeparator(path);
  return ok;
}

}  // namespace

bool EnsureFolder(void* owner, std::string* path, bool isFilePath, bool mayCreate, bool ask) {
  return Ensure(owner, path, isFilePath, mayCreate, ask);
}

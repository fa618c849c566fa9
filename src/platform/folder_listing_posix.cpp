#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>

#include <algorithm>

#include "platform/folder_listing.h"

namespace platform {
namespace {

// Closes a directory stream when the listing ends.
class ScopedDir {
 public:
  explicit ScopedDir(DIR* dir) : dir_(dir) {}
  ~ScopedDir() {
    if (dir_) closedir(dir_);
  }
  ScopedDir(const ScopedDir&) = delete;
  ScopedDir& operator=(const ScopedDir&) = delete;
  DIR* Get() const { return dir_; }

 private:
  DIR* dir_;
};

// Fills the kind and times of the entry at path; false when it vanished.
bool StatEntry(const std::string& path, FolderEntry* entry) {
  struct statx info;
  if (statx(AT_FDCWD, path.c_str(), 0, STATX_TYPE | STATX_MTIME | STATX_BTIME, &info) != 0)
    return false;
  entry->isFolder = S_ISDIR(info.stx_mode);
  entry->lastWritten = static_cast<uint32_t>(info.stx_mtime.tv_sec);
  // Not every file system keeps a birth time.
  entry->created = (info.stx_mask & STATX_BTIME) ? static_cast<uint32_t>(info.stx_btime.tv_sec)
                                                 : entry->lastWritten;
  return true;
}

}  // namespace

bool ListFolder(const std::string& folder, std::vector<FolderEntry>* entries) {
  entries->clear();
  ScopedDir dir(opendir(folder.empty() ? "." : folder.c_str()));
  if (!dir.Get()) return false;
  std::string prefix = folder;
  if (!prefix.empty() && prefix.back() != '/' && prefix.back() != '\\') prefix += '/';
  while (const dirent* found = readdir(dir.Get())) {
    std::string name = found->d_name;
    if (name == "." || name == "..") continue;
    FolderEntry entry;
    entry.name = name;
    if (StatEntry(prefix + name, &entry)) entries->push_back(entry);
  }
  std::sort(entries->begin(), entries->end(), [](const FolderEntry& a, const FolderEntry& b) {
    return strcasecmp(a.name.c_str(), b.name.c_str()) < 0;
  });
  return true;
}

}  // namespace platform

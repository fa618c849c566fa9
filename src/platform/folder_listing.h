// The entries of one folder with their times, for the importers that read a
// tree of files (favorites and Start Menu folders).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct FolderEntry {
  std::string name;  // without the folder
  bool isFolder = false;
  uint32_t created = 0;      // seconds since 1970 UTC; the last-write time where
                             // the file system keeps no creation time
  uint32_t lastWritten = 0;  // seconds since 1970 UTC
};

// Lists the entries of folder ("." and ".." left out) in the order the
// system gives them; the POSIX side sorts them by name without regard to
// case, as NTFS lists them, so that imports are repeatable. folder may end
// with a separator. False (entries emptied) when the listing cannot start.
bool ListFolder(const std::string& folder, std::vector<FolderEntry>* entries);

}  // namespace platform

#include <windows.h>

#include "platform/folder_listing.h"

namespace platform {
namespace {

uint32_t UnixTime(const FILETIME& time) {
  ULARGE_INTEGER v;
  v.LowPart = time.dwLowDateTime;
  v.HighPart = time.dwHighDateTime;
  constexpr uint64_t kTicksPerSecond = 10000000ull;
  constexpr uint64_t kSecondsBefore1970 = 11644473600ull;
  uint64_t seconds = v.QuadPart / kTicksPerSecond;
  return seconds > kSecondsBefore1970 ? static_cast<uint32_t>(seconds - kSecondsBefore1970) : 0;
}

// Closes a find handle when the listing ends.
class ScopedFind {
 public:
  explicit ScopedFind(HANDLE handle) : handle_(handle) {}
  ~ScopedFind() {
    if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
  }
  ScopedFind(const ScopedFind&) = delete;
  ScopedFind& operator=(const ScopedFind&) = delete;
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace

bool ListFolder(const std::string& folder, std::vector<FolderEntry>* entries) {
  entries->clear();
  std::string pattern = folder;
  if (pattern.empty() || pattern.back() != '\\') pattern += '\\';
  pattern += '*';
  WIN32_FIND_DATAA data;
  ScopedFind find(FindFirstFileA(pattern.c_str(), &data));
  if (find.Get() == INVALID_HANDLE_VALUE) return false;
  do {
    std::string name = data.cFileName;
    if (name == "." || name == "..") continue;
    FolderEntry entry;
    entry.name = name;
    entry.isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    entry.created = UnixTime(data.ftCreationTime);
    entry.lastWritten = UnixTime(data.ftLastWriteTime);
    entries->push_back(entry);
  } while (FindNextFileA(find.Get(), &data));
  return true;
}

}  // namespace platform

#include "support/temp_folder.h"

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/platform.h"

#ifdef _WIN32
#include <process.h>
#define VX_GETPID _getpid
#else
#include <unistd.h>
#define VX_GETPID getpid
#endif

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  std::string base = platform::TempFolder();
  for (int attempt = 0;; ++attempt) {
    char name[64];
    snprintf(name, sizeof name, "vellox-test-%d-%d-%d", static_cast<int>(VX_GETPID()), counter++, attempt);
    std::string candidate = base + name;
    if (platform::CreateFolder(candidate.c_str()) == 0) {
      root_ = candidate + platform::PreferredSeparator();
      return;
    }
  }
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

std::string TempFolder::Path(const std::string& name) const { return root_ + name; }

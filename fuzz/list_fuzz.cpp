// libFuzzer target: arbitrary bytes as a list file through ReadHeader,
// LoadLines and WriteList (see tests/support/list_roundtrip.h).
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/platform.h"
#include "support/list_roundtrip.h"

namespace {

std::string WorkFolder() {
  std::string folder = platform::TempFolder() + "vellox-fuzz-" + std::to_string(getpid());
  platform::CreateFolder(folder.c_str());
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string folder = WorkFolder();
  std::string problem =
      CheckListRoundTrip(std::string(reinterpret_cast<const char*>(data), size), folder);
  if (!problem.empty()) {
    std::fprintf(stderr, "list round trip: %s\n", problem.c_str());
    std::abort();
  }
  return 0;
}

// libFuzzer target: arbitrary bytes through one importer (chosen when the
// target is built, IMPORT_FORMAT), the list written and loaded back (see
// tests/support/import_roundtrip.h).
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/platform.h"
#include "support/import_roundtrip.h"

namespace {

std::string WorkFolder() {
  std::string folder = platform::TempFolder() + "vellox-import-fuzz-" + std::to_string(getpid());
  platform::CreateFolder(folder.c_str());
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string folder = WorkFolder();
  std::string problem = CheckImportRoundTrip(
      ImportFormat::IMPORT_FORMAT, std::string(reinterpret_cast<const char*>(data), size), folder);
  if (!problem.empty()) {
    std::fprintf(stderr, "import round trip: %s\n", problem.c_str());
    std::abort();
  }
  return 0;
}

// bookmarkgen: writes generated bookmark collections for the import
// benchmarks and the peer comparison.
//   bookmarkgen netscape LINKS OUT [--seed N] [--unclosed]
//   bookmarkgen places LINKS OUT [--seed N]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bookmark_generator.h"

namespace {

int Usage() {
  std::fputs(
      "usage: bookmarkgen netscape LINKS OUT [--seed N] [--unclosed]\n"
      "       bookmarkgen places LINKS OUT [--seed N]\n",
      stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) return Usage();
  std::string kind = argv[1];
  GeneratorOptions options;
  options.links = std::atoi(argv[2]);
  std::string out = argv[3];
  for (int i = 4; i < argc; ++i) {
    if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc) {
      options.seed = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
    } else if (std::strcmp(argv[i], "--unclosed") == 0 && kind == "netscape") {
      options.unclosedLinks = true;
    } else {
      return Usage();
    }
  }
  if (options.links <= 0) return Usage();
  if (kind == "netscape") {
    std::string text = GenerateNetscapeFile(options);
    std::FILE* f = std::fopen(out.c_str(), "wb");
    if (!f || std::fwrite(text.data(), 1, text.size(), f) != text.size() || std::fclose(f) != 0) {
      std::perror(out.c_str());
      return 1;
    }
  } else if (kind == "places") {
    std::string error;
    if (!WritePlacesDatabase(out, options, &error)) {
      std::fprintf(stderr, "%s: %s\n", out.c_str(), error.c_str());
      return 1;
    }
  } else {
    return Usage();
  }
  std::printf("items: %d\n", ExpectedImportedItems(options));
  return 0;
}

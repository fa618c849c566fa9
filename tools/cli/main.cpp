// vellox-cli: works on bookmark list files from the command line.
//   vellox-cli info LIST
//   vellox-cli resave LIST OUT
//   vellox-cli new OUT
//   vellox-cli search LIST TERM [options]
#include <cstdio>
#include <cstring>
#include <string>

#include "cli_commands.h"
#include "cli_search.h"

namespace {

int Usage() {
  std::fputs(
      "usage: vellox-cli info LIST\n"
      "       vellox-cli resave LIST OUT\n"
      "       vellox-cli new OUT\n"
      "       vellox-cli search LIST TERM [options]\n",
      stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  std::string command = argv[1];
  if (command == "info" && argc == 3) return RunInfo(argv[2], stdout);
  if (command == "resave" && argc == 4) return RunResave(argv[2], argv[3], stdout);
  if (command == "new" && argc == 3) return RunNew(argv[2], stdout);
  if (command == "search") return RunSearchCommand(argc - 2, argv + 2, stdout);
  return Usage();
}

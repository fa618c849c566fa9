// vellox-cli: works on bookmark list files from the command line.
//   vellox-cli info LIST [--password P]
//   vellox-cli resave LIST OUT [--password P]
//   vellox-cli encrypt LIST OPTIONS PASSWORD [CURRENT]
//   vellox-cli save LIST [--touch TEXT] [--password P]
//   vellox-cli new OUT
//   vellox-cli search LIST TERM [options]
//   vellox-cli import FORMAT SOURCE LIST [--rating N]
//   vellox-cli import favorites FOLDER LIST [--rating N]
//   vellox-cli export TEMPLATE LIST OUT [--marked] [--no-smartfolders] [--password P]
//   vellox-cli export favorites LIST FOLDER [--marked] [--no-smartfolders]
//   vellox-cli templates DIR
//   vellox-cli check LIST [--jobs N] [--all]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "cli_check.h"
#include "cli_commands.h"
#include "cli_export.h"
#include "cli_import.h"
#include "cli_search.h"

namespace {

int Usage() {
  std::fputs(
      "usage: vellox-cli info LIST [--password P]\n"
      "       vellox-cli resave LIST OUT [--password P]\n"
      "       vellox-cli encrypt LIST OPTIONS PASSWORD [CURRENT]\n"
      "       vellox-cli save LIST [--touch TEXT] [--password P]\n"
      "       vellox-cli new OUT\n"
      "       vellox-cli search LIST TERM [options]\n"
      "       vellox-cli import FORMAT SOURCE LIST [--rating N]\n"
      "       vellox-cli import favorites FOLDER LIST [--rating N]\n"
      "       vellox-cli export TEMPLATE LIST OUT [--marked] [--no-smartfolders] [--password P]\n"
      "       vellox-cli export favorites LIST FOLDER [--marked] [--no-smartfolders]\n"
      "       vellox-cli templates DIR\n"
      "       vellox-cli check LIST [--jobs N] [--all]\n",
      stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  std::string command = argv[1];
  // "--password P" at the end of info and resave.
  std::string password;
  if ((command == "info" || command == "resave" || command == "save") && argc >= 5 &&
      std::strcmp(argv[argc - 2], "--password") == 0) {
    password = argv[argc - 1];
    argc -= 2;
  }
  if (command == "info" && argc == 3) return RunInfo(argv[2], password, stdout);
  if (command == "resave" && argc == 4) return RunResave(argv[2], argv[3], password, stdout);
  if (command == "encrypt" && (argc == 5 || argc == 6))
    return RunEncrypt(argv[2], static_cast<uint32_t>(std::strtoul(argv[3], nullptr, 10)), argv[4],
                      argc == 6 ? argv[5] : "", stdout);
  if (command == "save" && argc == 3) return RunSave(argv[2], "", password, stdout);
  if (command == "save" && argc == 5 && std::strcmp(argv[3], "--touch") == 0)
    return RunSave(argv[2], argv[4], password, stdout);
  if (command == "new" && argc == 3) return RunNew(argv[2], stdout);
  if (command == "search") return RunSearchCommand(argc - 2, argv + 2, stdout);
  if (command == "import") return RunImportCommand(argc - 2, argv + 2, stdout);
  if (command == "export") return RunExportCommand(argc - 2, argv + 2, stdout);
  if (command == "templates") return RunTemplatesCommand(argc - 2, argv + 2, stdout);
  if (command == "check") return RunCheckCommand(argc - 2, argv + 2, stdout);
  return Usage();
}

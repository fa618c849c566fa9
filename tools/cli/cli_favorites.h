// vellox-cli export favorites: a list written as a favorites folder.
#pragma once

#include <cstdio>

// export favorites LIST FOLDER [--marked] [--no-smartfolders]
// args are the words after "favorites". Writes one ".url" file per
// bookmark with an Internet address (byte for byte as the program writes
// them) into one folder per category and subcategory below FOLDER, which
// must exist. A bookmark that needs a shell link is written as one in the
// Windows build; elsewhere, and for an address that is no program path, it
// is skipped with a line "skipped: category :: subcategory :: title
// (reason)". Prints "result: N" (the export's code). Returns 0, 1 when the
// export failed or anything was skipped, 2 for a wrong command line.
int RunFavoritesExportCommand(int argc, char** args, std::FILE* out);

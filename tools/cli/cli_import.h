// vellox-cli import: a foreign bookmark collection appended to a list file.
#pragma once

#include <cstdio>

// import FORMAT SOURCE LIST [--rating N]
// FORMAT: netscape, firefox, opera, aol, msn, powermarks, orvandel,
// chromium or favorites (SOURCE a favorites or Start Menu folder; shell
// links are read only in the Windows build, elsewhere skipped).
// args are the words after "import". Loads LIST (creating it as a new list
// when it does not exist), appends what the importer reads from SOURCE and
// saves LIST. Prints "items: N" (items added) and "bookmarks: N" (the
// list's bookmarks). On an import failure prints the import failure
// message and leaves LIST as it was. Returns 0, 1 on failure, 2 for a wrong
// command line.
int RunImportCommand(int argc, char** args, std::FILE* out);

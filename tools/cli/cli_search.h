// vellox-cli search: the search engine over a list file.
#pragma once

#include <cstdio>

// search LIST TERM [--titles] [--notes] [--keywords] [--addresses] [--case]
//   [--whole-word] [--ignore-punctuation] [--rating-at-least N]
//   [--visited-within DAYS]
// args are the words after "search". Prints "ID<tab>title" for each
// matching item in list order, then "matches: N" and "bookmarks: N" (the
// distinct bookmarks). Naming no field searches all four. Returns 0, 1
// when the list cannot be loaded, 2 for a wrong command line.
int RunSearchCommand(int argc, char** args, std::FILE* out);

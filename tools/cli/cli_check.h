// vellox-cli check LIST [--jobs N] [--all]: checks the sites of every
// bookmark of LIST (with --all also those checked within the hour), saves
// the list with its backups and prints "ID<TAB>STATUS<TAB>TEXT<TAB>ADDRESS"
// for each bookmark checked, in list order, then "checked: N".
#pragma once

#include <cstdio>

int RunCheckCommand(int argc, char** argv, std::FILE* out);

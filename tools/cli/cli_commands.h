// The subcommands of vellox-cli. Each prints its stable "key: value" lines
// to out and returns the process exit code (0 success, 1 failure).
#pragma once

#include <cstdio>
#include <string>

// info LIST: result, items, bookmarks, aliases, deleted, lastId, encryption.
int RunInfo(const std::string& path, std::FILE* out);
// resave LIST OUT: loads LIST as the program does and writes it to OUT.
int RunResave(const std::string& path, const std::string& outPath, std::FILE* out);
// new OUT: writes a new list file (never over an existing one).
int RunNew(const std::string& outPath, std::FILE* out);

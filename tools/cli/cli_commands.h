// The subcommands of vellox-cli. Each prints its stable "key: value" lines
// to out and returns the process exit code (0 success, 1 failure).
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// info LIST: result, items, bookmarks, aliases, deleted, lastId, encryption.
// LIST is opened as the program opens it (a damaged outline is repaired, a
// copy of the damaged file made beside it); password opens an encrypted
// list.
int RunInfo(const std::string& path, const std::string& password, std::FILE* out);
// resave LIST OUT: opens LIST as the program does and writes it to OUT (the
// repaired outline, when it needed repair). Writes nothing when no line
// could be read (a list file of another format version) or the list was
// cut off at the item limit.
int RunResave(const std::string& path, const std::string& outPath, const std::string& password,
              std::FILE* out);
// encrypt LIST OPTIONS PASSWORD [CURRENT]: the encryption options dialog's
// rules (CURRENT is the list's present password, also used to open it),
// then a save with backups.
int RunEncrypt(const std::string& path, uint32_t options, const std::string& password,
               const std::string& current, std::FILE* out);
// save LIST [--touch TEXT]: opens LIST as the program does and saves it as
// the program's Save does (backups, the guard before large deletions, the
// temporary file and the replace). TEXT is first appended to the titles of
// the first and the last bookmark, so that the new content differs from
// the old. Prints "saving: LIST" just before the save starts (the moment a
// crash campaign counts from) and "result: Saved" after it.
int RunSave(const std::string& path, const std::string& touch, const std::string& password,
            std::FILE* out);
// new OUT: writes a new list file (never over an existing one).
int RunNew(const std::string& outPath, std::FILE* out);

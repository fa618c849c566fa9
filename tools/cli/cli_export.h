// vellox-cli export and templates: a list written through an export
// template, and the catalogue of the templates in a folder.
#pragma once

#include <cstdio>
#include <string>

#include "list/bookmark_list.h"

// export TEMPLATE LIST OUT [--marked] [--no-smartfolders] [--password P]
// args are the words after "export". The format comes from the template's
// own header, lower-cased; the list's name for "list_title" is its file
// name without the extension. Prints "result: N" (the export's code) and
// returns 0 on success, 1 on failure, 2 for a wrong command line.
// export favorites ...: see cli_favorites.h.
int RunExportCommand(int argc, char** args, std::FILE* out);

// Loads the list read-only as the program opens it (password opens an
// encrypted one). False (with the reason printed) when it cannot be loaded.
bool LoadListForExport(BookmarkList& list, const std::string& path, const std::string& password,
                       std::FILE* out);

// templates DIR: one line per usable "*.txt" template in DIR, in name
// order: file name, name, filename, extension, format and id, tab-separated.
// Returns 0, 1 when DIR cannot be listed, 2 for a wrong command line.
int RunTemplatesCommand(int argc, char** args, std::FILE* out);

// The one way an importer reads its file: the whole file first, then the
// format's parser over the text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "list/bookmark_list.h"

// How the file's bytes reach the parser.
enum class ImportFileText {
  kBytes,  // as they are in the file
  kUtf8,   // decoded from UTF-8 into the ANSI code page (DecodeUtf8ToAnsi)
};

// A format's parser over text already read: kImportOk (0) or kImportFailed
// (-1), as every importer returns (exchange/import_outline.h).
using ImportTextParser = int (*)(BookmarkList& list, std::string_view text, uint8_t rating);

// Reads the whole file at path and hands its text to parse with list and
// rating. Returns what parse returns, or kImportFailed without calling parse
// (and without touching the list) when the file cannot be opened or read.
int ImportFromFile(BookmarkList& list, const std::string& path, uint8_t rating, ImportFileText text,
                   ImportTextParser parse);

// The table of import sources: one row per kind of collection the user can
// import, in the order the import dialog lists them. A row's index is its
// source code, so rows are only ever appended.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "list/bookmark_list.h"

// An importer that reads one file (every exchange importer has this shape).
using FileImporter = int (*)(BookmarkList& list, const std::string& path, uint8_t rating);

// Where a row's browser keeps its profiles (Chromium-family rows only).
enum class ProfileRoot : uint8_t {
  kNone,
  kLocalAppData,    // the user's local (not roaming) application data
  kRoamingAppData,  // the user's roaming application data
};

struct ImportSource {
  const char* displayName;  // the format box's entry
  const char* key;          // names the row's remembered path in the settings
  const char* kindSuffix;   // appended to a profile's label
  const char* defaultFile;  // the file inside a profile folder; nullptr: none
  const char* pattern;      // the open-file dialog's filter; nullptr: a folder row
  const char* shortName;    // proposes a new list's name: short name + " bookmarks.bkl"
  // The importer of the row; for the two folder rows (no pattern) the
  // folder of shortcuts is imported with everything below it.
  FileImporter import;
  ProfileRoot profileRoot;
  // Below profileRoot, the folder holding one sub-folder per profile
  // (backslash-separated); nullptr where profileRoot is kNone.
  const char* profileParent;
};

// The rows of the first product release keep codes 0 to 12; the
// Chromium-family rows follow from kFirstChromiumSource.
constexpr int kFavoritesSource = 0;
constexpr int kNetscapeSource = 2;
constexpr int kOperaHotlistSource = 6;
constexpr int kStartMenuSource = 11;
constexpr int kFirstChromiumSource = 13;
constexpr int kImportSourceCount = 18;

// The row of a source code; nullptr for a code outside the table.
const ImportSource* ImportSourceAt(int code);

// The source code of a key ("firefox", "chrome", ...), or -1.
int ImportSourceByKey(std::string_view key);

// The format box's first choice for the default browser's name (compared
// without regard to case): the Netscape row for a name that begins with
// "netscape", the hotlist row for exactly "opera" (as before), the
// Chromium-family row whose short name the name contains ("Google Chrome",
// "msedge", "Brave", "Vivaldi", "Opera GX"), else the favorites row.
int InitialImportSource(std::string_view defaultBrowser);

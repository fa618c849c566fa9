// Where the import dialog looks for a source's collection: the remembered
// path, then the places the source's browser keeps its profiles in. The
// search itself is portable; what it reads of the system (folders, the
// user's name, registry values) is handed in, and profile_paths_win.cpp
// gathers it for the current user.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "exchange/chromium_profiles.h"

constexpr char kLastUsedLabel[] = "Last used";
constexpr char kSharedLabel[] = "All users (shared)";

// What the search needs to know of the system, for one source row.
struct ProfileEnvironment {
  std::string lastUsed;  // the path remembered for the row's key ("" none)
  std::string userName;
  AppDataFolders appData;  // roaming holds the Mozilla and Opera profiles
  std::string favorites;   // the user's and the shared Favorites folders
  std::string commonFavorites;
  std::string programs;  // the user's and the shared Start Menu programs
  std::string commonPrograms;
  char msnVersion = '6';  // the installed major version's digit
  // The subkeys of the MSN users' key that hold a "GUID": (name, GUID).
  std::vector<std::pair<std::string, std::string>> msnUsers;
  std::string operaFolder;           // where the hotlist browser was installed
  std::string earlierProductFolder;  // the earlier product's list folder
  SubfolderLister listSubfolders;    // null: no folder is listed
};

// The candidates of source row sourceCode, labelled for the profile box
// (the dialog appends the row's kind suffix): "Last used" first when a path
// is remembered, then the row's own places. A profile folder is offered
// only when it holds the row's file; none for a code outside the table.
std::vector<ProfileCandidate> FindProfilePaths(int sourceCode, const ProfileEnvironment& env);

// The environment of the current user for source row sourceCode, with
// lastUsed as the remembered path (Windows only).
ProfileEnvironment UserProfileEnvironment(int sourceCode, const std::string& lastUsed);

// Finding the "Bookmarks" files of the Chromium-family browsers' profiles
// for the import dialog's profile box.
#pragma once

#include <functional>
#include <string>
#include <vector>

struct ProfileCandidate {
  std::string label;  // shown in the profile box
  std::string path;   // the file the import reads
};

// The user's two application-data folders (either may be empty: unknown).
struct AppDataFolders {
  std::string local;
  std::string roaming;
};

// The names of the sub-folders directly inside a folder (none when it does
// not exist).
using SubfolderLister = std::function<std::vector<std::string>(const std::string& folder)>;

// A backslash-separated relative path joined below folder with the
// platform's separator (so the native build reads the same tables).
std::string JoinBelow(std::string folder, const std::string& relative);

// One candidate per profile folder of the source's browser that holds its
// default file ("Bookmarks"), labelled with the browser's short name and
// the profile folder's name ("Chrome Default"), in the order listed. None
// for a source without profile folders.
std::vector<ProfileCandidate> FindChromiumProfiles(int sourceCode, const AppDataFolders& folders,
                                                   const SubfolderLister& listSubfolders);

// The same with the current user's folders and the file system's listing
// (Windows only; see chromium_profiles_win.cpp).
std::vector<ProfileCandidate> FindUserChromiumProfiles(int sourceCode);

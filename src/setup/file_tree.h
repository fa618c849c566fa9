// Folder helpers of setup and uninstall.
#pragma once

#include <string>
#include <vector>

// Creates folder and its missing parents; true when it exists afterwards.
bool MakeFolderTree(const std::string& folder);
// Deletes folder with everything in it (read-only files too); true when it
// is gone.
bool DeleteFolderTree(const std::string& folder);
// Removes folder when it is empty; true when it is gone. leaving names
// entries whose deletion has just succeeded: while only they are still
// listed (another program holds them open), the removal is retried briefly.
bool RemoveEmptyFolder(const std::string& folder, const std::vector<std::string>& leaving = {});
// The names (not paths) of the files, and of the sub-folders, that match
// pattern ("C:\A\*.txt") in its folder; "." and ".." are left out.
std::vector<std::string> MatchingFiles(const std::string& pattern);
std::vector<std::string> SubFolders(const std::string& folder);
bool IsExistingFile(const std::string& path);
bool IsExistingFolder(const std::string& path);

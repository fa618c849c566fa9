// Making sure that a folder exists, creating it and its missing parents
// when allowed.
#pragma once

#include <string>

// path is changed in place to the folder's path with a trailing separator
// (unless it ends up empty). isFilePath: path names a file, use its folder.
// mayCreate: create what is missing. ask: tell the user about a missing
// folder, or ask before creating it. Returns true when the folder exists.
bool EnsureFolder(void* owner, std::string* path, bool isFilePath, bool mayCreate, bool ask);

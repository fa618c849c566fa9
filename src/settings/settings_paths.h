// Paths inside the application folder are stored relative to it, so that
// moving the installation keeps the lists it holds. In memory every path is
// absolute.
#pragma once

#include <string>

#include "settings/settings.h"

// The stored form of path, given relative: path expressed from the
// application folder by the system's relative-path function ("" when it
// found none). Leading ".\" pieces and then a leading backslash are
// dropped. A path outside the folder ("..") stays absolute, and so does the
// folder itself, so that it is not mistaken for an unset path.
std::string StoredPathFromRelative(const std::string& path, const std::string& relative);

// True for "C:..." and for paths that start with a separator ("\\server").
bool IsAbsolutePath(const std::string& path);
// The in-memory form of a stored path: a relative one is taken below
// appFolder; empty stays empty.
std::string ResolveStoredPath(const std::string& appFolder, const std::string& stored);
// Resolves "List Folder" and every list's path in place.
void ResolveSettingsPaths(Settings* settings);

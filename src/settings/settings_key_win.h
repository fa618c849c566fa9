// The settings key's layout, shared by the store (the user's key) and the
// backup (the same layout in a loaded hive).
#pragma once

#include <windows.h>

#include <string>

#include "settings/settings.h"

// Reads every value and subkey of key over settings, bringing older layouts
// forward; migrated values are deleted from key when it is writable.
void ReadSettingsKey(HKEY key, Settings* settings);
// Writes every value and subkey into key as given (paths already in their
// stored form); false when some write failed.
bool WriteSettingsKey(HKEY key, const Settings& settings);

// The stored form of path (relative when inside appFolder); isFolder tells
// the relative-path function what path names.
std::string StoredPathForm(const std::string& appFolder, const std::string& path, bool isFolder);
// A copy of settings with the list folder and the list paths in stored form.
Settings WithStoredPaths(const Settings& settings);

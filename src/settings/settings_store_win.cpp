#include <shlwapi.h>
#include <windows.h>

#include "settings/settings_key_win.h"
#include "settings/settings_paths.h"
#include "settings/settings_store.h"
#include "util/registry_win.h"

void LoadMachineSettings(Settings* settings) {
  settings->appPath = RegReadString(HKEY_LOCAL_MACHINE, kSettingsKey, "App Path");
  settings->installer = RegReadString(HKEY_LOCAL_MACHINE, kSettingsKey, "Installer");
  settings->startMenu = RegReadString(HKEY_LOCAL_MACHINE, kSettingsKey, "Start Menu");
}

bool LoadSettings(Settings* settings) {
  LoadMachineSettings(settings);
  bool read = false;
  {
    // Write access lets the migration delete the values it has moved.
    ScopedRegKey key;
    if (key.Open(HKEY_CURRENT_USER, kSettingsKey, KEY_READ | KEY_WRITE) ||
        key.Open(HKEY_CURRENT_USER, kSettingsKey, KEY_READ)) {
      ReadSettingsKey(key.Get(), settings);
      read = true;
    }
  }
  if (!read) read = ReadSettingsBackup(settings) == kBackupDone;
  ResolveSettingsPaths(settings);
  return read;
}

int SaveSettings(const Settings& settings, bool withBackup) {
  {
    ScopedRegKey key;
    if (!key.Create(HKEY_CURRENT_USER, kSettingsKey)) return -1;
    WriteSettingsKey(key.Get(), WithStoredPaths(settings));
  }
  if (withBackup) WriteSettingsBackup(settings.appFolder);
  return 0;
}

std::string StoredPathForm(const std::string& appFolder, const std::string& path, bool isFolder) {
  if (appFolder.empty() || path.empty()) return path;
  char relative[MAX_PATH] = "";
  if (!PathRelativePathToA(relative, appFolder.c_str(), FILE_ATTRIBUTE_DIRECTORY, path.c_str(),
                           isFolder ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL))
    relative[0] = '\0';
  return StoredPathFromRelative(path, relative);
}

Settings WithStoredPaths(const Settings& settings) {
  Settings stored = settings;
  stored.listFolder = StoredPathForm(settings.appFolder, settings.listFolder, true);
  for (KnownListEntry& list : stored.lists)
    list.path = StoredPathForm(settings.appFolder, list.path, false);
  return stored;
}

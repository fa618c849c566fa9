// Reading and writing the settings object in the registry (Win32 only).
#pragma once

#include <cstdint>
#include <string>

#include "settings/settings.h"

// The user's key under HKEY_CURRENT_USER (and the machine-wide one).
constexpr const char kSettingsKey[] = "Software\\Velloxsoft\\Vellox\\3.0";
// The whole user key saved as a hive, and where it is loaded to be read.
constexpr const char kSettingsBackupName[] = "VelloxFl.sav";
constexpr const char kBackupHiveName[] = "TEMP_ORVAND_HIVE";

// Reads the machine-wide values written by setup.
void LoadMachineSettings(Settings* settings);
// Reads the machine-wide values and the user's settings over settings (what
// is not stored keeps its value, so start from the defaults). When the user
// key cannot be opened the backup file is read instead. True when the
// settings were read from the registry or from the backup file. Relative
// paths are resolved against settings->appFolder.
bool LoadSettings(Settings* settings);
// Writes every user setting, paths inside settings.appFolder in relative
// form; with withBackup the whole key is then saved into the backup file.
// 0 when the key was written, -1 when it could not be created or opened
// (nothing is saved). A failed backup is not reported here.
int SaveSettings(const Settings& settings, bool withBackup);

// Outcome of writing or reading the backup file.
constexpr int kBackupDone = 0;
constexpr int kBackupNoKey = -1;             // writing: no user key to save
constexpr int kBackupNoFile = -2;            // no backup file, or no folder for one
constexpr int kBackupPrivilegeRefused = -3;  // the backup/restore privilege was refused
constexpr int kBackupHiveFailed = -4;        // saving or loading the hive failed

// Saves the user key into the backup file (replacing it only once the new
// one is complete). systemError, when given, receives the system's error.
int WriteSettingsBackup(const std::string& appFolder, uint32_t* systemError = nullptr);
// Reads settings from the backup file (loaded as a hive for the time of the
// read) over settings; paths stay in their stored form.
int ReadSettingsBackup(Settings* settings, uint32_t* systemError = nullptr);
// The folder of the backup file for writing: the user's local application
// data folder plus "\Velloxsoft\Vellox\3.0" (created when missing), else
// the application folder; with a trailing backslash, or "" when neither.
std::string SettingsBackupFolder(const std::string& appFolder);
// The backup file to read: in the data folder, else in the application
// folder; "" when neither has one.
std::string FindSettingsBackup(const std::string& appFolder);

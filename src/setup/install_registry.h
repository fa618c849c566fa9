// The registry entries of an installation: the uninstall entry, App Paths,
// the ".bkl" association and the machine-wide program values.
#pragma once

#include <windows.h>

#include <string>

constexpr const char kUninstallKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vellox";
constexpr const char kAppPathsKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\VelloxFl.exe";
constexpr const char kListExtensionKey[] = ".bkl";
constexpr const char kListFileClass[] = "VelloxFl";

// Writes every entry for the program file programPath. installerPath is
// recorded as "Installer" when not empty. Values that already hold the
// right data are not written again, so that a user who may not write the
// machine-wide keys can still confirm an unchanged installation. False
// when an entry could not be written.
bool WriteInstallRegistry(const std::string& programPath, const std::string& startMenu,
                          const std::string& installerPath);
// Removes the machine-wide entries (the ".bkl" key only while it still
// names this program), and the program's keys' parents when left empty.
void RemoveMachineRegistry();
// Removes the user's settings key, and its parents when left empty.
void RemoveUserSettingsKey();
// Deletes root\subkey when it holds neither values nor subkeys.
void DeleteKeyIfEmpty(HKEY root, const char* subkey);

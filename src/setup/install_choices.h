// What the user chooses when installing or changing the setup: the
// application folder, the default list folder, the start-menu subfolder and
// the shortcut places; their defaults, checks and the unattended switch.
#pragma once

#include <array>
#include <string>

#include "settings/settings.h"

// The five places a program shortcut can go, in the order of the dialog's
// check boxes. The program group also receives "Uninstall.lnk" and
// "Help.lnk"; the other four are the places the uninstaller cleans.
enum ShortcutPlace : int {
  kShortcutProgramGroup,
  kShortcutStartMenu,
  kShortcutDesktop,
  kShortcutQuickLaunch,
  kShortcutStartup,
  kShortcutPlaceCount
};

// The installer's own dialog (511), or the setup of an installed program
// (510: the "Setup" command and the first run of a user without settings).
enum class SetupForm { kInstall, kSetup };

struct InstallChoices {
  std::string appFolder;   // with a trailing backslash
  std::string listFolder;  // as entered: a relative entry lies below appFolder
  std::string startMenu;   // subfolder of the Programs folder; may be empty
  std::array<bool, kShortcutPlaceCount> shortcuts = {};

  bool AnyShortcut() const;
};

// The choices offered first. Install: the installed program's folder, else
// "Vellox" under Program Files; Setup: the running program's folder. The
// list folder is the stored one, else the user's documents folder; the
// shortcuts are the places that already hold one, else the program group.
InstallChoices DefaultInstallChoices(SetupForm form, const Settings& settings,
                                     const std::string& programFolder);

// True for "X:\..." and "\\server\share..." without characters that a file
// name cannot hold.
bool IsValidAbsoluteFolder(const std::string& folder);
// The list folder an entry names: absolute as it is, relative below
// appFolder; with a trailing backslash ("" for an empty entry).
std::string ResolveListFolder(const std::string& entry, const std::string& appFolder);
// 0 when the folders are acceptable, else the message to show:
// IDS_INVALID_APP_FOLDER or IDS_INVALID_LIST_FOLDER (which must exist).
int CheckInstallChoices(const InstallChoices& choices);

// "/S" (any case), optionally followed by "/D=<application folder>" as the
// rest of the line: the unattended installation. appFolder receives the
// folder ("" when not given).
bool ParseUnattendedSwitch(const std::string& commandLine, std::string* appFolder);

// Removing the program (dialog 521 "Uninstall Vellox"): the user's
// preferences and shortcuts, and the installation with its program files.
#pragma once

#include <string>
#include <vector>

#include "settings/settings.h"
#include "setup/install_prompt.h"

struct UninstallChoices {
  bool erasePreferences = true;  // "&Erase user preferences and program shortcuts"
  bool removeProgram = true;     // "&Uninstall Vellox (remove program files)"
};

// What became of the program files.
struct FileRemoval {
  int deleted = 0;
  std::vector<std::string> scheduled;  // to be deleted at the next restart
  bool batchStarted = false;           // the system cannot schedule: "VelloxFl.bat" does it
};

// Removes the user's settings key, the program shortcut from the four
// shortcut places and the user's data folder (with its two parents when
// they are left empty).
void ErasePreferencesAndShortcuts();
// Deletes each program file of appFolder that exists (the folder itself
// last); what cannot be deleted now is scheduled for the next restart, or,
// where the system cannot schedule, left to the batch file, which is
// written into the Windows folder and started hidden.
FileRemoval RemoveProgramFiles(const std::string& appFolder);
// Removes the machine-wide registry entries, the program group, the
// companion library's COM registration and the program files; tells the
// user when files are left for the next restart.
FileRemoval RemoveInstallation(const std::string& appFolder, const std::string& startMenu,
                               InstallPrompter* prompter);
// The application folder to remove: that of the installed program file,
// else the running program's.
std::string InstalledAppFolder(const Settings& settings, const std::string& programPath);
// Dialog 521; true when something was removed (the program must then end
// without saving its settings).
bool RunUninstallDialog(void* owner, const Settings& settings, const std::string& programPath);

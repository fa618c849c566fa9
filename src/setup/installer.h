// Installing the program and changing its setup: the installer run as
// SETUP.EXE (dialog 511, or unattended with "/S"), the "Setup" command of a
// running program and the first run of a user without settings (dialog 510).
#pragma once

#include <string>

#include "settings/settings.h"
#include "setup/install_choices.h"
#include "setup/install_prompt.h"

struct InstallContext {
  Settings* settings = nullptr;  // changed and saved by the installation
  std::string sourceProgram;     // the running program file
  bool recordInstaller = false;  // running as SETUP.EXE: keep its path as "Installer"
};

// The installation itself, for choices that passed CheckInstallChoices:
// copies the program files (unless the application folder is the one the
// program runs from), writes the registry entries and saves the settings,
// moves the lists when the list folder changes, adds "My Bookmarks" to a
// list folder without lists, and creates the shortcuts. Returns 0, or the
// id of the message it stopped at.
int RunInstallation(const InstallContext& context, const InstallChoices& choices,
                    InstallPrompter* prompter);

// Checks the choices as the Install button does (10043, 10044, then 10045
// when no shortcut is chosen) and installs. Returns 0 when installed; -1
// when the user went back to the dialog; otherwise the message id.
int CheckAndInstall(const InstallContext& context, const InstallChoices& choices,
                    InstallPrompter* prompter);

// The installer (run mode 5). Interactive: dialog 511, then "Launch?".
// With "/S" on the command line nothing is shown. Returns the process's
// exit code: 0 when installed, the failure's message id, or IDCANCEL (2)
// when the user cancelled.
int RunInstaller(Settings* settings, const std::string& programPath,
                 const std::string& commandLine);
// Dialog 510 for the installed program: true when the setup was applied.
bool RunSetupDialog(void* owner, Settings* settings, const std::string& programPath);
// Clears the machine-wide "Installer" entry once the old installer file is
// gone.
void ClearMachineInstallerEntry(Settings* settings);

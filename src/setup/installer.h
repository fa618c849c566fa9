// The installer run when the program file is called SETUP.EXE.
#pragma once

#include "settings/settings.h"

// Runs the installer dialog modally; false when it was cancelled.
bool RunInstallerDialog();
// Clears the machine-wide "Installer" entry once the old installer file is
// gone.
void ClearMachineInstallerEntry(Settings* settings);

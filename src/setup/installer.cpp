#include "setup/installer.h"

#include <windows.h>

bool RunInstallerDialog() {
  return MessageBoxA(nullptr, "Vellox will be installed on this computer.", "Install Vellox v3.9.0",
                     MB_OKCANCEL | MB_ICONINFORMATION) == IDOK;
}

void ClearMachineInstallerEntry(Settings* settings) { settings->installer.clear(); }

#include "setup/installer.h"

#include <windows.h>

#include "settings/settings_store.h"
#include "util/registry_win.h"

bool RunInstallerDialog() {
  return MessageBoxA(nullptr, "Vellox will be installed on this computer.", "Install Vellox v3.9.0",
                     MB_OKCANCEL | MB_ICONINFORMATION) == IDOK;
}

void ClearMachineInstallerEntry(Settings* settings) {
  settings->installer.clear();
  RegWriteString(HKEY_LOCAL_MACHINE, kSettingsKey, "Installer", "");
}

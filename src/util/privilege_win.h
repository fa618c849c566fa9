// Enabling a privilege of the process token for the duration of one job
// (the settings backup needs "SeBackupPrivilege" and "SeRestorePrivilege").
#pragma once

#include <windows.h>

// The process token and what EnablePrivilege changed, so that
// RestorePrivilege can undo it. Start with a default-constructed one.
struct PrivilegeToken {
  HANDLE token = nullptr;
  TOKEN_PRIVILEGES previous = {};
  bool changed = false;
};

// Enables the named privilege, opening the process token first when needed.
// True when the privilege is now held; on Windows 4 and earlier (no token
// privileges) it succeeds without doing anything. A token that may not hold
// the privilege fails (the system reports that only through GetLastError).
bool EnablePrivilege(PrivilegeToken* token, const char* name);
// Puts the privilege back as it was and closes the token.
void RestorePrivilege(PrivilegeToken* token);

// Major version of the running Windows (4 for NT 4 and 9x, 5 for 2000/XP, ...).
int WindowsMajorVersion();

#include "util/privilege_win.h"

bool EnablePrivilege(PrivilegeToken* token, const char* name) {
  if (WindowsMajorVersion() <= 4) return true;
  if (!token->token && !OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY,
                                         &token->token)) {
    token->token = nullptr;
    return false;
  }
  TOKEN_PRIVILEGES wanted = {};
  wanted.PrivilegeCount = 1;
  wanted.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (!LookupPrivilegeValueA(nullptr, name, &wanted.Privileges[0].Luid)) return false;
  TOKEN_PRIVILEGES previous = {};
  DWORD previousSize = sizeof previous;
  SetLastError(ERROR_SUCCESS);
  // The call succeeds even when the token does not hold the privilege; only
  // the last error (ERROR_NOT_ALL_ASSIGNED) tells.
  if (!AdjustTokenPrivileges(token->token, FALSE, &wanted, sizeof wanted, &previous,
                             &previousSize) ||
      GetLastError() != ERROR_SUCCESS)
    return false;
  token->previous = previous;
  token->changed = true;
  return true;
}

void RestorePrivilege(PrivilegeToken* token) {
  if (token->token && token->changed)
    AdjustTokenPrivileges(token->token, FALSE, &token->previous, 0, nullptr, nullptr);
  if (token->token) CloseHandle(token->token);
  *token = PrivilegeToken();
}

int WindowsMajorVersion() { return static_cast<int>(LOBYTE(LOWORD(GetVersion()))); }

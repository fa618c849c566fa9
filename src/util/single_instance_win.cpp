#include "util/single_instance_win.h"

#include "framework/message_loop.h"

namespace {

// Registered during static initialisation, as every copy must agree on it
// before any window exists.
const UINT kIAmVelloxMessage = RegisterWindowMessageA(kIAmVelloxMessageName);

bool MutexAlreadyExisted(HANDLE* mutex) {
  HANDLE h = CreateMutexA(nullptr, FALSE, kInstanceMutexName);
  DWORD error = GetLastError();
  if (error == ERROR_ALREADY_EXISTS || error == ERROR_ACCESS_DENIED) {
    if (h) CloseHandle(h);
    return true;
  }
  *mutex = h;
  return false;
}

// Each window is given this long to answer; a copy that is busy (a loaded
// machine, a long save) may miss the first round, so a second, more
// patient round follows before the hand-over is given up.
constexpr UINT kAnswerTimeouts[] = {200, 1500};

struct Search {
  UINT timeout;
  HWND found;
};

BOOL CALLBACK AskWindow(HWND hwnd, LPARAM lp) {
  auto* search = reinterpret_cast<Search*>(lp);
  if (GetWindowThreadProcessId(hwnd, nullptr) == GetCurrentThreadId()) return TRUE;
  DWORD_PTR reply = 0;
  if (SendMessageTimeoutA(hwnd, kIAmVelloxMessage, 0, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG,
                          search->timeout, &reply) &&
      reply == kIAmVelloxMessage) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

UINT IAmVelloxMessage() { return kIAmVelloxMessage; }

bool AnotherInstanceIsRunning(HANDLE* mutex) {
  *mutex = nullptr;
  if (!MutexAlreadyExisted(mutex)) return false;
  // The other copy may be ending right now: look once more.
  framework::PumpWait(250);
  return MutexAlreadyExisted(mutex);
}

HWND FindRunningInstance() {
  for (UINT timeout : kAnswerTimeouts) {
    Search search = {timeout, nullptr};
    EnumWindows(AskWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
  }
  return nullptr;
}

void HandOverCommandLine(HWND running, const std::string& commandLine) {
  SetForegroundWindow(running);
  PostMessageA(running, WM_SYSCOMMAND, SC_RESTORE, 0);
  if (commandLine.empty()) return;
  COPYDATASTRUCT data;
  data.dwData = 0;
  data.cbData = static_cast<DWORD>(commandLine.size() + 1);
  data.lpData = const_cast<char*>(commandLine.c_str());
  DWORD_PTR reply = 0;
  SendMessageTimeoutA(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                      20000, &reply);
}

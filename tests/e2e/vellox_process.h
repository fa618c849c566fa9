// Starting and watching the real VelloxFl.exe from an end-to-end test. The
// program lies beside the test program; both run in the same Wine prefix.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

// The user's settings key under HKEY_CURRENT_USER.
constexpr char kSettingsKey[] = "Software\\Velloxsoft\\Vellox\\3.0";

// The folder of the running test program, with a trailing backslash.
std::string ProgramFolder();
// Makes the program peer beside the tests the one configured browser, so
// that a test whose program opens a web bookmark starts no real browser
// (Wine's own is found when no browser is configured).
void UseProgramPeerAsBrowser();
std::string VelloxExePath();

// A started program; ended (politely, then by force) when destroyed.
class VelloxProcess {
 public:
  VelloxProcess() = default;
  ~VelloxProcess();
  VelloxProcess(const VelloxProcess&) = delete;
  VelloxProcess& operator=(const VelloxProcess&) = delete;

  bool Start(const std::string& exePath, const std::string& arguments);
  DWORD Id() const { return info_.dwProcessId; }
  HANDLE Handle() const { return info_.hProcess; }
  // Waits for the process to end, pumping this thread's messages.
  bool WaitForExit(DWORD milliseconds, DWORD* exitCode = nullptr);
  // Closes its windows, then terminates it if it is still running.
  void Stop();

 private:
  PROCESS_INFORMATION info_ = {};
};

// The top-level windows of a process (any process when pid is 0) whose
// class is className (any class when empty).
std::vector<HWND> TopLevelWindows(DWORD pid, const std::string& className);
std::string WindowTitle(HWND hwnd);
std::string WindowClass(HWND hwnd);

// Polls, pumping messages, until condition holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds);

// "Vellox" or "<list name> - Vellox".
bool IsMainWindowTitle(const std::string& title);
// The program's main windows (dialogs titled as above) in process pid (any
// process when 0), and the first of them or null.
std::vector<HWND> MainWindows(DWORD pid);
HWND MainWindowOf(DWORD pid);

// The user's settings key: present means the program runs normally.
void EnsureUserSettingsKey();
void DeleteUserSettingsKey();

// A test stand-in for a running copy that is still starting: holds the
// single-instance mutex, and on request shows a window that answers the
// registered message and records the command lines handed to it.
class InstancePeer {
 public:
  InstancePeer();
  ~InstancePeer();
  InstancePeer(const InstancePeer&) = delete;
  InstancePeer& operator=(const InstancePeer&) = delete;

  bool HoldsMutex() const { return mutex_ != nullptr; }
  void ShowWindow();
  const std::vector<std::string>& Received() const { return received_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  HANDLE mutex_ = nullptr;
  HWND window_ = nullptr;
  std::vector<std::string> received_;
};

}  // namespace e2e

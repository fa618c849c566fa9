// This test program started again as a helper process that runs one test
// whose body acts only in the helper (it reads its task from the
// environment). The helper signals named events when it is ready and when
// its work is done.
#pragma once

#include <windows.h>

#include <string>

namespace wintest {

class HelperProcess {
 public:
  HelperProcess() = default;
  ~HelperProcess();
  HelperProcess(const HelperProcess&) = delete;
  HelperProcess& operator=(const HelperProcess&) = delete;

  // Runs test testName with VELLOX_HELPER_TASK=task.
  bool Start(const std::string& testName, const std::string& task);
  // Waits for the helper's ready signal, or for its done signal.
  bool WaitReady(DWORD milliseconds);
  bool WaitDone(DWORD milliseconds);
  // Tells the helper to finish (it waits for this after its work).
  void Release();
  bool WaitForExit(DWORD milliseconds, DWORD* exitCode = nullptr);
  void Kill();

 private:
  PROCESS_INFORMATION info_ = {};
  HANDLE ready_ = nullptr;
  HANDLE done_ = nullptr;
  HANDLE release_ = nullptr;
};

// In a helper: its task ("" when this is not a helper), and the signals.
std::string HelperTask();
void SignalHelperReady();
void SignalHelperDone();
bool WaitHelperRelease(DWORD milliseconds);

}  // namespace wintest

// Header only: the support .cpp files are also built natively.
namespace wintest {
namespace helperdetail {

// Environment variables that carry the task and the names of the events.
inline constexpr const char* kVariables[] = {"VELLOX_HELPER_TASK", "VELLOX_HELPER_READY",
                                             "VELLOX_HELPER_DONE", "VELLOX_HELPER_RELEASE"};
enum { kTask, kReady, kDone, kRelease };

inline std::string Variable(int which) {
  char value[2048];
  DWORD n = GetEnvironmentVariableA(kVariables[which], value, sizeof value);
  return n > 0 && n < sizeof value ? std::string(value, n) : std::string();
}

inline HANDLE OpenNamedEvent(int which) {
  std::string name = Variable(which);
  return name.empty() ? nullptr : OpenEventA(EVENT_MODIFY_STATE | SYNCHRONIZE, FALSE, name.c_str());
}

inline void SignalNamedEvent(int which) {
  if (HANDLE event = OpenNamedEvent(which)) {
    SetEvent(event);
    CloseHandle(event);
  }
}

}  // namespace helperdetail

inline HelperProcess::~HelperProcess() {
  Kill();
  for (HANDLE h : {ready_, done_, release_})
    if (h) CloseHandle(h);
}

inline bool HelperProcess::Start(const std::string& testName, const std::string& task) {
  using namespace helperdetail;
  static int serial = 0;
  std::string suffix = std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
  std::string names[4] = {task, "VelloxHelperReady-" + suffix, "VelloxHelperDone-" + suffix,
                          "VelloxHelperRelease-" + suffix};
  ready_ = CreateEventA(nullptr, TRUE, FALSE, names[kReady].c_str());
  done_ = CreateEventA(nullptr, TRUE, FALSE, names[kDone].c_str());
  release_ = CreateEventA(nullptr, TRUE, FALSE, names[kRelease].c_str());
  char exe[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  std::string commandLine = "\"" + std::string(exe) + "\" --gtest_filter=" + testName;
  // The helper inherits the environment that holds its task.
  for (int i = 0; i < 4; ++i) SetEnvironmentVariableA(kVariables[i], names[i].c_str());
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  BOOL started = CreateProcessA(exe, &commandLine[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                                nullptr, nullptr, &startup, &info_);
  for (const char* variable : kVariables) SetEnvironmentVariableA(variable, nullptr);
  return started != 0;
}

inline bool HelperProcess::WaitReady(DWORD milliseconds) {
  HANDLE handles[2] = {ready_, info_.hProcess};
  return WaitForMultipleObjects(2, handles, FALSE, milliseconds) == WAIT_OBJECT_0;
}

inline bool HelperProcess::WaitDone(DWORD milliseconds) {
  HANDLE handles[2] = {done_, info_.hProcess};
  return WaitForMultipleObjects(2, handles, FALSE, milliseconds) == WAIT_OBJECT_0;
}

inline void HelperProcess::Release() {
  if (release_) SetEvent(release_);
}

inline bool HelperProcess::WaitForExit(DWORD milliseconds, DWORD* exitCode) {
  if (!info_.hProcess) return true;
  if (WaitForSingleObject(info_.hProcess, milliseconds) != WAIT_OBJECT_0) return false;
  if (exitCode) GetExitCodeProcess(info_.hProcess, exitCode);
  return true;
}

inline void HelperProcess::Kill() {
  if (!info_.hProcess) return;
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(info_.hProcess, 9);
    WaitForSingleObject(info_.hProcess, 10000);
  }
  CloseHandle(info_.hProcess);
  CloseHandle(info_.hThread);
  info_ = {};
}

inline std::string HelperTask() { return helperdetail::Variable(helperdetail::kTask); }
inline void SignalHelperReady() { helperdetail::SignalNamedEvent(helperdetail::kReady); }
inline void SignalHelperDone() { helperdetail::SignalNamedEvent(helperdetail::kDone); }

inline bool WaitHelperRelease(DWORD milliseconds) {
  HANDLE event = helperdetail::OpenNamedEvent(helperdetail::kRelease);
  if (!event) return false;
  bool released = WaitForSingleObject(event, milliseconds) == WAIT_OBJECT_0;
  CloseHandle(event);
  return released;
}

}  // namespace wintest

// This test program started again as a helper process that runs one test
// whose body acts only in the helper (it reads its task from the
// environment). The helper signals a named event when it is ready.
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
  // Waits for the helper's ready signal.
  bool WaitReady(DWORD milliseconds);
  // Tells the helper to finish (it waits for this after its work).
  void Release();
  bool WaitForExit(DWORD milliseconds, DWORD* exitCode = nullptr);
  void Kill();

 private:
  PROCESS_INFORMATION info_ = {};
  HANDLE ready_ = nullptr;
  HANDLE release_ = nullptr;
};

// In a helper: its task ("" when this is not a helper), and the signals.
std::string HelperTask();
void SignalHelperReady();
bool WaitHelperRelease(DWORD milliseconds);

}  // namespace wintest

// Header only: the support .cpp files are also built natively.
namespace wintest {
namespace helperdetail {

inline constexpr char kTaskVariable[] = "VELLOX_HELPER_TASK";
inline constexpr char kReadyVariable[] = "VELLOX_HELPER_READY";
inline constexpr char kReleaseVariable[] = "VELLOX_HELPER_RELEASE";

inline std::string Variable(const char* name) {
  char value[2048];
  DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
  return n > 0 && n < sizeof value ? std::string(value, n) : std::string();
}

inline HANDLE OpenNamedEvent(const char* variable) {
  std::string name = Variable(variable);
  return name.empty() ? nullptr : OpenEventA(EVENT_MODIFY_STATE | SYNCHRONIZE, FALSE, name.c_str());
}

}  // namespace helperdetail

inline HelperProcess::~HelperProcess() {
  Kill();
  if (ready_) CloseHandle(ready_);
  if (release_) CloseHandle(release_);
}

inline bool HelperProcess::Start(const std::string& testName, const std::string& task) {
  static int serial = 0;
  std::string suffix = std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
  std::string readyName = "VelloxHelperReady-" + suffix, releaseName = "VelloxHelperRelease-" + suffix;
  ready_ = CreateEventA(nullptr, TRUE, FALSE, readyName.c_str());
  release_ = CreateEventA(nullptr, TRUE, FALSE, releaseName.c_str());
  char exe[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  std::string commandLine = "\"" + std::string(exe) + "\" --gtest_filter=" + testName;
  // The helper inherits the environment that holds its task.
  SetEnvironmentVariableA(helperdetail::kTaskVariable, task.c_str());
  SetEnvironmentVariableA(helperdetail::kReadyVariable, readyName.c_str());
  SetEnvironmentVariableA(helperdetail::kReleaseVariable, releaseName.c_str());
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  BOOL started = CreateProcessA(exe, &commandLine[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                                nullptr, &startup, &info_);
  SetEnvironmentVariableA(helperdetail::kTaskVariable, nullptr);
  SetEnvironmentVariableA(helperdetail::kReadyVariable, nullptr);
  SetEnvironmentVariableA(helperdetail::kReleaseVariable, nullptr);
  return started != 0;
}

inline bool HelperProcess::WaitReady(DWORD milliseconds) {
  HANDLE handles[2] = {ready_, info_.hProcess};
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

inline std::string HelperTask() { return helperdetail::Variable(helperdetail::kTaskVariable); }

inline void SignalHelperReady() {
  if (HANDLE event = helperdetail::OpenNamedEvent(helperdetail::kReadyVariable)) {
    SetEvent(event);
    CloseHandle(event);
  }
}

inline bool WaitHelperRelease(DWORD milliseconds) {
  HANDLE event = helperdetail::OpenNamedEvent(helperdetail::kReleaseVariable);
  if (!event) return false;
  bool released = WaitForSingleObject(event, milliseconds) == WAIT_OBJECT_0;
  CloseHandle(event);
  return released;
}

}  // namespace wintest

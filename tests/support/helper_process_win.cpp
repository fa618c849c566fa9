#include "support/helper_process_win.h"

#include <cstdlib>

namespace wintest {
namespace {

constexpr char kTaskVariable[] = "VELLOX_HELPER_TASK";
constexpr char kReadyVariable[] = "VELLOX_HELPER_READY";
constexpr char kReleaseVariable[] = "VELLOX_HELPER_RELEASE";

std::string Variable(const char* name) {
  char value[2048];
  DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
  return n > 0 && n < sizeof value ? std::string(value, n) : std::string();
}

HANDLE OpenNamedEvent(const char* variable) {
  std::string name = Variable(variable);
  return name.empty() ? nullptr : OpenEventA(EVENT_MODIFY_STATE | SYNCHRONIZE, FALSE, name.c_str());
}

}  // namespace

HelperProcess::~HelperProcess() {
  Kill();
  if (ready_) CloseHandle(ready_);
  if (release_) CloseHandle(release_);
}

bool HelperProcess::Start(const std::string& testName, const std::string& task) {
  static int serial = 0;
  std::string suffix = std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++serial);
  std::string readyName = "VelloxHelperReady-" + suffix, releaseName = "VelloxHelperRelease-" + suffix;
  ready_ = CreateEventA(nullptr, TRUE, FALSE, readyName.c_str());
  release_ = CreateEventA(nullptr, TRUE, FALSE, releaseName.c_str());
  char exe[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  std::string commandLine = "\"" + std::string(exe) + "\" --gtest_filter=" + testName;
  // The helper inherits the environment that holds its task.
  SetEnvironmentVariableA(kTaskVariable, task.c_str());
  SetEnvironmentVariableA(kReadyVariable, readyName.c_str());
  SetEnvironmentVariableA(kReleaseVariable, releaseName.c_str());
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  BOOL started = CreateProcessA(exe, &commandLine[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                                nullptr, &startup, &info_);
  SetEnvironmentVariableA(kTaskVariable, nullptr);
  SetEnvironmentVariableA(kReadyVariable, nullptr);
  SetEnvironmentVariableA(kReleaseVariable, nullptr);
  return started != 0;
}

bool HelperProcess::WaitReady(DWORD milliseconds) {
  HANDLE handles[2] = {ready_, info_.hProcess};
  return WaitForMultipleObjects(2, handles, FALSE, milliseconds) == WAIT_OBJECT_0;
}

void HelperProcess::Release() {
  if (release_) SetEvent(release_);
}

bool HelperProcess::WaitForExit(DWORD milliseconds, DWORD* exitCode) {
  if (!info_.hProcess) return true;
  if (WaitForSingleObject(info_.hProcess, milliseconds) != WAIT_OBJECT_0) return false;
  if (exitCode) GetExitCodeProcess(info_.hProcess, exitCode);
  return true;
}

void HelperProcess::Kill() {
  if (!info_.hProcess) return;
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(info_.hProcess, 9);
    WaitForSingleObject(info_.hProcess, 10000);
  }
  CloseHandle(info_.hProcess);
  CloseHandle(info_.hThread);
  info_ = {};
}

std::string HelperTask() { return Variable(kTaskVariable); }

void SignalHelperReady() {
  if (HANDLE event = OpenNamedEvent(kReadyVariable)) {
    SetEvent(event);
    CloseHandle(event);
  }
}

bool WaitHelperRelease(DWORD milliseconds) {
  HANDLE event = OpenNamedEvent(kReleaseVariable);
  if (!event) return false;
  bool released = WaitForSingleObject(event, milliseconds) == WAIT_OBJECT_0;
  CloseHandle(event);
  return released;
}

}  // namespace wintest

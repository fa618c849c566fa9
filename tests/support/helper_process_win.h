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

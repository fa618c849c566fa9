// Starts the DDE test browser (tools/peers/dde_browser_peer.cpp) from the
// folder of the running test program and reads the request items it logs.
// Header only: the support .cpp files are also built natively.
#pragma once

#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

namespace wintest {

class DdeBrowserPeer {
 public:
  DdeBrowserPeer() = default;
  ~DdeBrowserPeer() { Stop(); }
  DdeBrowserPeer(const DdeBrowserPeer&) = delete;
  DdeBrowserPeer& operator=(const DdeBrowserPeer&) = delete;

  // Starts the peer with these arguments (after --class, --log) and waits,
  // dispatching this thread's messages, until its main window is shown.
  bool Start(const std::string& className, const std::string& logPath,
             const std::string& arguments) {
    logPath_ = logPath;
    DeleteFileA(logPath.c_str());
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string path = exe;
    path = path.substr(0, path.find_last_of("\\/") + 1) + "dde_browser_peer.exe";
    std::string commandLine =
        "\"" + path + "\" --class \"" + className + "\" --log \"" + logPath + "\" " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info_))
      return false;
    for (DWORD start = GetTickCount(); GetTickCount() - start < 10000;) {
      window_ = FindWindowA(className.c_str(), nullptr);
      if (window_ && IsWindowVisible(window_)) return true;
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
      WaitForSingleObject(info_.hProcess, 20);  // ends early only if the peer dies
    }
    return false;
  }

  HWND Window() const { return window_; }

  // The request items logged so far, in order (without their times).
  std::vector<std::string> Items() const {
    std::vector<std::string> items;
    for (const auto& line : Lines()) items.push_back(line.substr(0, line.rfind('\t')));
    return items;
  }
  // The log's lines: an item, a tab and the system time in microseconds.
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    std::ifstream log(logPath_, std::ios::binary);
    for (std::string line; std::getline(log, line);) lines.push_back(line);
    return lines;
  }

  void Stop() {
    if (!info_.hProcess) return;
    if (window_) PostMessageA(window_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(info_.hProcess, 3000) != WAIT_OBJECT_0)
      TerminateProcess(info_.hProcess, 1);
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
    info_ = {};
    window_ = nullptr;
  }

 private:
  PROCESS_INFORMATION info_ = {};
  HWND window_ = nullptr;
  std::string logPath_;
};

}  // namespace wintest

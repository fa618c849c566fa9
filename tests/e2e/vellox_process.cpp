#include "vellox_process.h"

#include <cstring>

namespace e2e {
namespace {

constexpr char kMutexName[] = "VELLOXFL-088FA840-B10D-11D3-BC36-006067709674";
constexpr char kPeerClass[] = "VelloxTestPeer";

void PumpPending() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

struct EnumArgs {
  DWORD pid;
  std::string className;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lp) {
  auto* args = reinterpret_cast<EnumArgs*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if ((args->pid == 0 || pid == args->pid) &&
      (args->className.empty() || WindowClass(hwnd) == args->className))
    args->found.push_back(hwnd);
  return TRUE;
}

BOOL CALLBACK CloseWindowOf(HWND hwnd, LPARAM lp) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == static_cast<DWORD>(lp)) PostMessageA(hwnd, WM_CLOSE, 0, 0);
  return TRUE;
}

}  // namespace

std::string ProgramFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string VelloxExePath() { return ProgramFolder() + "VelloxFl.exe"; }

VelloxProcess::~VelloxProcess() { Stop(); }

bool VelloxProcess::Start(const std::string& exePath, const std::string& arguments) {
  // The pointer waits in the screen's far corner: over a button it would
  // put that button's help on the status line the tests read.
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
  std::string commandLine = "\"" + exePath + "\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  return CreateProcessA(exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info_) != 0;
}

bool VelloxProcess::WaitForExit(DWORD milliseconds, DWORD* exitCode) {
  if (!info_.hProcess) return true;
  const DWORD start = GetTickCount();
  for (;;) {
    DWORD elapsed = GetTickCount() - start;
    if (elapsed >= milliseconds) return false;
    DWORD r =
        MsgWaitForMultipleObjects(1, &info_.hProcess, FALSE, milliseconds - elapsed, QS_ALLINPUT);
    if (r == WAIT_OBJECT_0) break;
    PumpPending();
  }
  if (exitCode) GetExitCodeProcess(info_.hProcess, exitCode);
  return true;
}

void VelloxProcess::Stop() {
  if (!info_.hProcess) return;
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
    EnumWindows(CloseWindowOf, static_cast<LPARAM>(info_.dwProcessId));
    if (!WaitForExit(5000)) {
      TerminateProcess(info_.hProcess, 1);
      WaitForSingleObject(info_.hProcess, 5000);
    }
  }
  CloseHandle(info_.hProcess);
  CloseHandle(info_.hThread);
  info_ = {};
}

std::vector<HWND> TopLevelWindows(DWORD pid, const std::string& className) {
  EnumArgs args{pid, className, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&args));
  return args.found;
}

std::string WindowTitle(HWND hwnd) {
  char text[512] = {};
  GetWindowTextA(hwnd, text, sizeof text);
  return text;
}

std::string WindowClass(HWND hwnd) {
  char name[256] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start >= milliseconds) return false;
    // Wakes on this thread's messages or after 20 ms, whichever is first.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    PumpPending();
  }
  return true;
}

bool IsMainWindowTitle(const std::string& title) {
  static const std::string kSuffix = " - Vellox";
  return title == "Vellox" ||
         (title.size() > kSuffix.size() &&
          title.compare(title.size() - kSuffix.size(), kSuffix.size(), kSuffix) == 0);
}

std::vector<HWND> MainWindows(DWORD pid) {
  // The main window is a dialog; the hidden command window shares its
  // title but not its class.
  std::vector<HWND> found;
  for (HWND w : TopLevelWindows(pid, "#32770"))
    if (IsMainWindowTitle(WindowTitle(w))) found.push_back(w);
  return found;
}

HWND MainWindowOf(DWORD pid) {
  std::vector<HWND> windows = MainWindows(pid);
  return windows.empty() ? nullptr : windows.front();
}

void EnsureUserSettingsKey() {
  // A new user's behaviour flags without the tips at start-up: the tips
  // dialog would take the keyboard from the main window that the tests
  // drive. A test of the tips sets the bit itself.
  constexpr DWORD kDefaultBehaviourWithoutTips = 0x01904C12 & ~DWORD{0x00800000};
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_WRITE | KEY_QUERY_VALUE,
                      nullptr, &key, nullptr) != ERROR_SUCCESS)
    return;
  if (RegQueryValueExA(key, "Preferences", nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
    RegSetValueExA(key, "Preferences", 0, REG_BINARY,
                   reinterpret_cast<const BYTE*>(&kDefaultBehaviourWithoutTips),
                   sizeof kDefaultBehaviourWithoutTips);
  RegCloseKey(key);
}

void DeleteUserSettingsKey() {
  // The subkeys first: RegDeleteKey removes only empty keys on old systems.
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
    char name[256];
    while (RegEnumKeyA(key, 0, name, sizeof name) == ERROR_SUCCESS) {
      std::string sub = std::string(kSettingsKey) + "\\" + name;
      HKEY child;
      if (RegOpenKeyExA(HKEY_CURRENT_USER, sub.c_str(), 0, KEY_ALL_ACCESS, &child) ==
          ERROR_SUCCESS) {
        char grand[256];
        while (RegEnumKeyA(child, 0, grand, sizeof grand) == ERROR_SUCCESS)
          RegDeleteKeyA(child, grand);
        RegCloseKey(child);
      }
      if (RegDeleteKeyA(key, name) != ERROR_SUCCESS) break;
    }
    RegCloseKey(key);
  }
  RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
}

InstancePeer::InstancePeer() {
  mutex_ = CreateMutexA(nullptr, FALSE, kMutexName);
  if (mutex_ && GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(mutex_);
    mutex_ = nullptr;
  }
}

InstancePeer::~InstancePeer() {
  if (window_) DestroyWindow(window_);
  if (mutex_) CloseHandle(mutex_);
}

void InstancePeer::ShowWindow() {
  static ATOM registered = 0;
  if (!registered) {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kPeerClass;
    registered = RegisterClassExA(&wc);
  }
  window_ = CreateWindowExA(0, kPeerClass, "Vellox", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                            GetModuleHandleA(nullptr), this);
}

LRESULT CALLBACK InstancePeer::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  static const UINT kIAmVellox = RegisterWindowMessageA("I AM VELLOXFL");
  if (msg == WM_NCCREATE)
    SetWindowLongPtrA(
        hwnd, GWLP_USERDATA,
        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams));
  auto* self = reinterpret_cast<InstancePeer*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (msg == kIAmVellox) return kIAmVellox;
  if (msg == WM_COPYDATA && self) {
    auto* data = reinterpret_cast<COPYDATASTRUCT*>(lp);
    const char* text = static_cast<const char*>(data->lpData);
    self->received_.push_back(std::string(text, strnlen(text, data->cbData)));
    return 1;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

void UseProgramPeerAsBrowser() {
  HKEY row;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, (std::string(kSettingsKey) + "\\Browsers\\0").c_str(), 0,
                      nullptr, 0, KEY_WRITE, nullptr, &row, nullptr) != ERROR_SUCCESS)
    return;
  const std::pair<const char*, std::string> columns[] = {
      {"", "Peer"},
      {"Path", ProgramFolder() + "program_peer.exe"},
      {"DDE", "velloxpeer"},
      {"Method", "DDE"}};
  for (const auto& column : columns)
    RegSetValueExA(row, column.first, 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(column.second.c_str()),
                   static_cast<DWORD>(column.second.size() + 1));
  RegCloseKey(row);
  HKEY table;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, (std::string(kSettingsKey) + "\\Browsers").c_str(), 0,
                      nullptr, 0, KEY_WRITE, nullptr, &table, nullptr) != ERROR_SUCCESS)
    return;
  const DWORD defaultBrowser = 0;
  RegSetValueExA(table, "index", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&defaultBrowser),
                 sizeof defaultBrowser);
  RegCloseKey(table);
}

}  // namespace e2e

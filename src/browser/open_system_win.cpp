#include "browser/open_system_win.h"

#include <windows.h>
// After windows.h, whose definitions they need.
#include <shellapi.h>
#include <shlwapi.h>

#include "browser/browser_routes_win.h"
#include "browser/browser_windows_win.h"
#include "util/registry_win.h"

namespace browser {

namespace {

constexpr char kCurrentVersion[] = "Software\\Microsoft\\Windows\\CurrentVersion";

bool IsFile(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix) {
  return !prefix.empty() && text.size() >= prefix.size() &&
         CompareStringA(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, text.c_str(),
                        static_cast<int>(prefix.size()), prefix.c_str(),
                        static_cast<int>(prefix.size())) == CSTR_EQUAL;
}

// A 32-bit program stored with the 64-bit program folder's path (say by a
// list made on another machine) is looked for in the 32-bit one.
std::string ExistingProgramPath(const std::string& file) {
  if (IsFile(file)) return file;
  const std::string wide = RegReadString(HKEY_LOCAL_MACHINE, kCurrentVersion, "ProgramW6432Dir");
  if (!StartsWithIgnoringCase(file, wide)) return file;
  const std::string x86 =
      RegReadString(HKEY_LOCAL_MACHINE, kCurrentVersion, "ProgramFilesDir (x86)");
  const std::string moved = x86 + file.substr(wide.size());
  return !x86.empty() && IsFile(moved) ? moved : file;
}

}  // namespace

bool WinOpenSystem::ShiftDown() { return GetKeyState(VK_SHIFT) < 0; }

bool WinOpenSystem::AltDown() { return GetKeyState(VK_MENU) < 0; }

bool WinOpenSystem::FolderExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::string> WinOpenSystem::MatchingFiles(const std::string& pattern) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA(pattern.c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(data.cFileName);
  } while (FindNextFileA(search, &data));
  FindClose(search);
  return names;
}

unsigned WinOpenSystem::ShellOpen(const std::string& file, const std::string& parameters,
                                  const std::string& verb) {
  const std::string path = ExistingProgramPath(file);
  const size_t end = path.find_last_of('\\');
  const std::string folder = end == std::string::npos ? "" : path.substr(0, end);
  SetLastError(0);
  HINSTANCE result = ShellExecuteA(GetForegroundWindow(), verb.empty() ? "open" : verb.c_str(),
                                   path.c_str(), parameters.empty() ? nullptr : parameters.c_str(),
                                   folder.empty() ? nullptr : folder.c_str(), SW_SHOWNORMAL);
  if (reinterpret_cast<INT_PTR>(result) > 32) return 0;
  DWORD error = GetLastError();
  return error ? error : static_cast<unsigned>(reinterpret_cast<INT_PTR>(result));
}

std::string WinOpenSystem::ErrorText(unsigned code) {
  char* text = nullptr;
  DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string result = length && text ? std::string(text, length) : std::to_string(code);
  if (text) LocalFree(text);
  while (!result.empty() && (result.back() == '\n' || result.back() == '\r')) result.pop_back();
  return result;
}

void* WinOpenSystem::RaiseBrowserWindow(const Settings& settings, int index) {
  HWND window = FindBrowserMainWindow(settings, index).window;
  if (window) SetForegroundWindow(window);
  return window;
}

bool WinOpenSystem::OpenByCom(const BrowserEntry& browser, const std::string& url, bool newTab) {
  return OpenUrlByCom(browser, url, newTab);
}

bool WinOpenSystem::OpenByDde(const BrowserEntry& browser, void* browserWindow,
                              const std::string& url, bool newTab) {
  return OpenUrlByDde(browser, static_cast<HWND>(browserWindow), url, newTab);
}

std::string WinOpenSystem::EscapeUrlText(const std::string& text) {
  std::string escaped(9 * text.size() + 2, '\0');
  DWORD size = static_cast<DWORD>(escaped.size());
  if (FAILED(UrlEscapeA(text.c_str(), &escaped[0], &size, URL_ESCAPE_PERCENT))) return text;
  escaped.resize(size);
  return escaped;
}

}  // namespace browser

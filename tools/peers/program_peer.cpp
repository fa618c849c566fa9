// A program for the end-to-end tests to start in place of a browser or an
// application: it writes what it was started with into "<its own
// path>.log" and ends. Copies under other names (tool-1.2.exe) each write
// their own log, which shows which copy a wildcard path started.
//
// The log's lines:
//   started <QueryPerformanceCounter at start>
//   arguments <the command line after the program's name>
//   folder <the working directory>
#include <windows.h>

#include <string>

namespace {

// The command line without the program's name (quoted or not) and the
// blanks after it.
std::string Arguments(const char* commandLine) {
  const char* p = commandLine;
  if (*p == '"') {
    ++p;
    while (*p && *p != '"') ++p;
    if (*p == '"') ++p;
  } else {
    while (*p && *p != ' ' && *p != '\t') ++p;
  }
  while (*p == ' ' || *p == '\t') ++p;
  return p;
}

bool WriteWhole(const std::string& path, const std::string& text) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == text.size();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  LARGE_INTEGER started;
  QueryPerformanceCounter(&started);
  char exe[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, folder);
  const std::string log = std::string(exe) + ".log";
  const std::string text = "started " + std::to_string(started.QuadPart) + "\r\narguments " +
                           Arguments(GetCommandLineA()) + "\r\nfolder " + folder + "\r\n";
  // Whole or not at all: the test reads the log as soon as it exists.
  const std::string temporary = log + ".tmp";
  if (!WriteWhole(temporary, text)) return 1;
  return MoveFileExA(temporary.c_str(), log.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}

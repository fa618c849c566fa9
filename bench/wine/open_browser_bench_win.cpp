// Opening a web bookmark in a browser without DDE, timed through the real
// program under Wine: from the open command posted to the main window to
// the browser's process running (the program peer records the performance
// counter when it starts). The peer stands in for the browser, so the
// figure is the program's own cost plus the system's process start.
//
// Usage (after scripts/build.sh win64 or win32):
//   scripts/wine-run.sh build/win64/bin/vellox_open_bench.exe [REPETITIONS]
#include <windows.h>
// After windows.h, whose definitions it needs.
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "e2e/e2e_windows.h"
#include "e2e/posted_marker.h"
#include "e2e/vellox_process.h"
#include "resources/resource.h"

namespace {

constexpr char kSettingsKey[] = "Software\\Velloxsoft\\Vellox\\3.0";
constexpr DWORD kTimeout = 20000;
constexpr char kAddress[] = "http://bench.example/page";
// The default behaviour flags without auto-minimize: every run starts from
// the same window.
constexpr DWORD kBehaviour = 0x01904C12 & ~0x800u;

void SetString(HKEY key, const char* name, const std::string& value) {
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>(value.size() + 1));
}

bool WriteSettings(const std::string& browserPath) {
  HKEY settings, row, table;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr, &settings,
                      nullptr) != ERROR_SUCCESS)
    return false;
  RegSetValueExA(settings, "Preferences", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&kBehaviour),
                 sizeof kBehaviour);
  if (RegCreateKeyExA(settings, "Browsers\\0", 0, nullptr, 0, KEY_WRITE, nullptr, &row, nullptr) ==
      ERROR_SUCCESS) {
    SetString(row, "", "Bench");
    SetString(row, "Path", browserPath);
    SetString(row, "DDE", "benchbrowser");
    SetString(row, "Method", "DDE");
    RegCloseKey(row);
  }
  DWORD index = 0;
  if (RegCreateKeyExA(settings, "Browsers", 0, nullptr, 0, KEY_WRITE, nullptr, &table, nullptr) ==
      ERROR_SUCCESS) {
    RegSetValueExA(table, "index", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&index),
                   sizeof index);
    RegCloseKey(table);
  }
  RegCloseKey(settings);
  return true;
}

std::string ListBytes() {
  const std::string lines[] = {
      "VELLOXFL/A/0/20//",
      "ID\tLevel\tFlags\tTimeModified\tAliasID\tTitle\tURL",
      "0\t0\t0\t1704067200",
      "10\t1\t0\t1704067200\t\tWeb",
      "11\t2\t0\t1704067200\t\tPages",
      std::string("12\t3\t16\t1704067200\t\tPage\t") + kAddress,
  };
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

long long PeerStartCounter(const std::string& log) {
  std::ifstream in(log, std::ios::binary);
  std::string word;
  long long counter = 0;
  in >> word >> counter;
  return word == "started" ? counter : 0;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Milliseconds from calling start to the peer's process running, or -1.
double TimeToStart(const std::string& log, const std::function<void()>& start) {
  DeleteFileA(log.c_str());
  LARGE_INTEGER frequency, before;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&before);
  start();
  // The log appears whole, but may still be held by the move.
  long long started = 0;
  if (!e2e::WaitUntil([&] { return (started = PeerStartCounter(log)) != 0; }, kTimeout)) return -1;
  return 1000.0 * static_cast<double>(started - before.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

void Report(const char* what, const std::vector<double>& ms) {
  std::printf("%s\n  runs %zu  median %.1f ms  min %.1f ms  max %.1f ms\n", what, ms.size(),
              Median(ms), *std::min_element(ms.begin(), ms.end()),
              *std::max_element(ms.begin(), ms.end()));
}

}  // namespace

int main(int argc, char** argv) {
  const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
  const std::string browser = e2e::TempFolder() + "bench-browser.exe";
  const std::string log = browser + ".log";
  if (!CopyFileA((e2e::ProgramFolder() + "program_peer.exe").c_str(), browser.c_str(), FALSE)) {
    std::fprintf(stderr, "no program_peer.exe beside the benchmark\n");
    return 1;
  }
  e2e::DeleteUserSettingsKey();
  e2e::EnsureUserSettingsKey();
  int status = 1;
  {
    e2e::TempList list("Bench Opening", ListBytes());
    e2e::VelloxProcess program;
    HWND main = nullptr;
    if (WriteSettings(browser) && program.Start(e2e::VelloxExePath(), "\"" + list.Path() + "\"") &&
        (main = e2e::WaitForMainTitled(program.Id(), "Bench Opening - Vellox")) != nullptr) {
      for (int id : {IDC_CATEGORY_LIST, IDC_SUBCATEGORY_LIST, IDC_BOOKMARK_LIST})
        e2e::ChooseListLine(main, id, 0);
      // Each run opens the bookmark through the program, then starts the
      // same program file with the same parameters straight from here: the
      // floor that the system's process start sets.
      std::vector<double> opened, floor;
      for (int run = 0; run < repetitions; ++run) {
        e2e::WaitForPostedMessages(program.Id());
        const double viaProgram =
            TimeToStart(log, [&] { PostMessageA(main, WM_COMMAND, ID_CMD_OPEN_SELECTED, 0); });
        const double direct = TimeToStart(log, [&] {
          ShellExecuteA(nullptr, "open", browser.c_str(), kAddress, nullptr, SW_SHOWNORMAL);
        });
        if (viaProgram < 0 || direct < 0) break;
        opened.push_back(viaProgram);
        floor.push_back(direct);
      }
      if (static_cast<int>(opened.size()) == repetitions) {
        Report("open web bookmark, browser without DDE: command to process started", opened);
        Report("floor: the same process started directly", floor);
        status = 0;
      } else {
        std::fprintf(stderr, "the browser was not started\n");
      }
    }
    program.Stop();
  }
  DeleteFileA(log.c_str());
  DeleteFileA(browser.c_str());
  e2e::DeleteUserSettingsKey();
  e2e::EnsureUserSettingsKey();
  return status;
}

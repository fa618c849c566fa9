// Opening a web bookmark in a browser that answers DDE, timed from the
// call of the DDE route to the request's arrival at the DDE test browser
// (whose log stamps each item with the system time). Run under Wine from
// the Windows tree's bin folder, beside dde_browser_peer.exe:
//   scripts/wine-run.sh build/win64/bin/dde_open_bench.exe [repetitions]
// Prints the median and the slowest time of each mode in milliseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "browser/browser_routes_win.h"
#include "browser/dde_client_win.h"
#include "support/dde_browser_peer_win.h"

namespace {

LRESULT CALLBACK ClientProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* dde = reinterpret_cast<browser::DdeClient*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (dde && dde->HandleMessage(msg, wp, lp)) return 0;
  return DefWindowProcA(hwnd, msg, wp, lp);
}

unsigned long long NowMicroseconds() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  return ((static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime) / 10;
}

// The time of the peer's log line number `line`, waiting for it.
unsigned long long StampOf(const wintest::DdeBrowserPeer& peer, size_t line) {
  for (DWORD start = GetTickCount(); GetTickCount() - start < 5000;) {
    std::vector<std::string> lines = peer.Lines();
    if (lines.size() > line)
      return std::strtoull(lines[line].substr(lines[line].rfind('\t') + 1).c_str(), nullptr, 10);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(1);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const int repetitions = argc > 1 ? std::atoi(argv[1]) : 15;
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  wintest::DdeBrowserPeer peer;
  if (!peer.Start("VelloxBenchDdeBrowser", std::string(temp) + "dde_open_bench.log",
                  "--service VelloxBenchBrowser --caption \"Bench page - Browser\""
                  " --page 1 \"\\\"http://one.example/\\\",\\\"Other\\\"\""
                  " --page 2 \"\\\"http://two.example/\\\",\\\"Bench page\\\"\"")) {
    std::fprintf(stderr, "the DDE test browser did not start\n");
    return 1;
  }
  WNDCLASSA wc = {};
  wc.lpfnWndProc = ClientProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "VelloxBenchClient";
  RegisterClassA(&wc);
  HWND client = CreateWindowExA(0, wc.lpszClassName, "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                nullptr, wc.hInstance, nullptr);
  browser::DdeClient dde(client);
  SetWindowLongPtrA(client, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&dde));
  browser::DdeClient::SetCurrent(&dde);
  BrowserEntry entry{"Bench", "bench.exe", "VelloxBenchBrowser", "DDE", "", "", ""};

  size_t line = 0;
  for (bool newTab : {true, false}) {
    std::vector<double> ms;
    for (int i = 0; i < repetitions; ++i) {
      const unsigned long long start = NowMicroseconds();
      if (!browser::OpenUrlByDde(entry, peer.Window(), "http://bench.example/", newTab)) {
        std::fprintf(stderr, "the request was not taken\n");
        return 1;
      }
      // Finding the window id adds three requests before the opening one.
      line += newTab ? 1 : 4;
      ms.push_back((StampOf(peer, line - 1) - start) / 1000.0);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-28s median %6.1f ms  slowest %6.1f ms  (%d runs)\n",
                newTab ? "new window (id 0)" : "frontmost window (id found)", ms[ms.size() / 2],
                ms.back(), repetitions);
  }
  DestroyWindow(client);
  return 0;
}

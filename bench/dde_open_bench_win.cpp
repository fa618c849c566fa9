// Opening a web bookmark in a browser that answers DDE, timed from the
// call of the DDE route to the request's arrival at the DDE test browser
// (whose log stamps each item with the system time). Run under Wine from
// the Windows tree's bin folder, beside dde_browser_peer.exe:
//   scripts/wine-run.sh build/win64/bin/dde_open_bench.exe [repetitions]
// Prints the median, the fastest and the slowest time of each mode in
// milliseconds.
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

// The time at which the peer logged its open request number `count` (the
// "WWW_OpenURL" items are the quoted ones), waiting for it; 0 when it never
// came. Counting only those keeps the runs apart when a slow machine lets
// a lookup fail.
unsigned long long OpenStamp(const wintest::DdeBrowserPeer& peer, size_t count) {
  for (DWORD start = GetTickCount(); GetTickCount() - start < 5000;) {
    size_t seen = 0;
    for (const std::string& line : peer.Lines()) {
      if (line.empty() || line[0] != '"' || ++seen < count) continue;
      return std::strtoull(line.substr(line.rfind('\t') + 1).c_str(), nullptr, 10);
    }
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

  size_t opened = 0;
  for (bool newTab : {true, false}) {
    std::vector<double> ms;
    for (int i = 0; i < repetitions; ++i) {
      const unsigned long long start = NowMicroseconds();
      if (!browser::OpenUrlByDde(entry, peer.Window(), "http://bench.example/", newTab)) {
        std::fprintf(stderr, "the request was not taken\n");
        return 1;
      }
      const unsigned long long arrived = OpenStamp(peer, ++opened);
      if (arrived == 0) {
        std::fprintf(stderr, "the open request never arrived\n");
        return 1;
      }
      ms.push_back((arrived - start) / 1000.0);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-28s median %6.1f ms  fastest %6.1f ms  slowest %6.1f ms  (%d runs)\n",
                newTab ? "new window (id 0)" : "frontmost window (id found)", ms[ms.size() / 2],
                ms.front(), ms.back(), repetitions);
  }
  DestroyWindow(client);
  return 0;
}

// The site checker against slow servers: the loopback server of
// tools/peers with 100 hosts, every answer delayed 100 ms. Run inside a
// network namespace of its own:
//   scripts/netns-run.sh scripts/bench.sh --benchmark_filter=Check
#include <benchmark/benchmark.h>

#include <string>

#include "checker/check_run.h"
#include "checker/check_waiter.h"
#include "checker/loopback_server.h"
#include "list/site_status.h"

namespace {

constexpr int kHosts = 100;
constexpr int kDelayMs = 100;

LoopbackServer& Server() {
  static LoopbackServer server(kHosts, kDelayMs);
  return server;
}

// Bookmarks over every host in turn. With browserPages, 7 in 100 are pages
// that open in a browser although their server first refuses HEAD, asks to
// come back later, or resets the connection once.
void Fill(BookmarkList& list, int bookmarks, bool browserPages, const std::string& run) {
  BookmarkItem folder;
  folder.level = kLevelCategory;
  folder.title = "Sites";
  list.AddItem(kRootIndex, folder, 0);
  folder.level = kLevelSubcategory;
  list.AddItem(kRootIndex, folder, 0);
  for (int n = 0; n < bookmarks; ++n) {
    std::string path = "ok";
    const std::string key = run + "-" + std::to_string(n);
    if (browserPages) {
      switch (n % 100) {
        case 10:
        case 11:
          path = "head-only/405";
          break;
        case 20:
          path = "head-only/403";
          break;
        case 30:
          path = "head-only/404";
          break;
        case 40:
        case 41:
          path = "reset-once/" + key;
          break;
        case 50:
          path = "busy/" + key;
          break;
        default:
          break;
      }
    }
    BookmarkItem b;
    b.level = kLevelBookmark;
    b.title = "Site " + std::to_string(n);
    b.url = Server().Url(n % kHosts, path);
    list.AddItem(kRootIndex, b, 0);
  }
}

// Bookmarks whose page opens in a browser but that were stored as "Page
// not found", "Server not found" or "Server error".
int Misreported(BookmarkList& list) {
  int count = 0;
  for (uint16_t i = list.Next(0, false); i != 0; i = list.Next(i, false)) {
    if (list.Level(i) != kLevelBookmark) continue;
    const uint8_t status = list.Decode(i, false).siteStatus;
    count +=
        status == kSitePageNotFound || status == kSiteServerNotFound || status == kSiteServerError;
  }
  return count;
}

void BM_CheckList(benchmark::State& state) {
  const int bookmarks = static_cast<int>(state.range(0));
  const int jobs = static_cast<int>(state.range(1));
  const bool browserPages = state.range(2) != 0;
  if (!Server().Ready()) {
    state.SkipWithError("the loopback server did not start");
    return;
  }
  int misreported = 0, round = 0;
  for (auto _ : state) {
    state.PauseTiming();
    BookmarkList list;
    Fill(list, bookmarks, browserPages,
         std::to_string(bookmarks) + "x" + std::to_string(jobs) + "r" + std::to_string(round++));
    CheckWaiter waiter;
    CheckRunOptions options;
    options.jobs = jobs;
    options.wake = waiter.WakeFunction();
    CheckRun run(list, options);
    state.ResumeTiming();
    run.StartScope(0);
    RunChecksToEnd(run, waiter, nullptr);
    state.PauseTiming();
    misreported += Misreported(list);
    state.ResumeTiming();
  }
  state.counters["bookmarks/s"] = benchmark::Counter(
      static_cast<double>(bookmarks) * state.iterations(), benchmark::Counter::kIsRate);
  state.counters["misreported"] = misreported;
}

// 1,000 bookmarks with one job and with the default eight, then 10,000
// with eight and the pages that a browser would open.
BENCHMARK(BM_CheckList)
    ->ArgNames({"bookmarks", "jobs", "browserPages"})
    ->Args({1000, 1, 0})
    ->Args({1000, 8, 0})
    ->Args({10000, 8, 1})
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kSecond);

}  // namespace

// Importing generated collections of 1,000, 10,000 and 60,000 links in
// folder trees five deep: Netscape bookmark files end to end (read, decode,
// walk, append), the same files with every "</A>" left out, and places
// databases of the same trees (copy, open, query, append). The floor is one
// read of the file plus one memchr pass over it.
#include <benchmark/benchmark.h>

#include <cstring>
#include <map>
#include <string>

#include "bookmark_generator.h"
#include "exchange/netscape_import.h"
#include "exchange/places_import.h"
#include "platform/platform.h"

namespace {

struct Collection {
  std::string path;
  int64_t bytes = 0;
  int items = 0;
};

std::string BenchFolder() {
  static const std::string folder = [] {
    std::string f =
        platform::TempFolder() + "vellox-import-bench-" + std::to_string(platform::TickCount());
    platform::CreateFolder(f.c_str());
    return f + platform::PreferredSeparator();
  }();
  return folder;
}

// Generated once per kind and size, kept for the whole run.
const Collection& Netscape(int links, bool unclosed) {
  static std::map<std::pair<int, bool>, Collection> made;
  Collection& c = made[{links, unclosed}];
  if (c.path.empty()) {
    GeneratorOptions options;
    options.links = links;
    options.unclosedLinks = unclosed;
    std::string text = GenerateNetscapeFile(options);
    c.path =
        BenchFolder() + (unclosed ? "unclosed-" : "bookmarks-") + std::to_string(links) + ".html";
    platform::WriteWholeFile(c.path.c_str(), text);
    c.bytes = static_cast<int64_t>(text.size());
    c.items = ExpectedImportedItems(options);
  }
  return c;
}

const Collection& Places(int links) {
  static std::map<int, Collection> made;
  Collection& c = made[links];
  if (c.path.empty()) {
    GeneratorOptions options;
    options.links = links;
    c.path = BenchFolder() + "places-" + std::to_string(links) + ".sqlite";
    std::string error;
    if (!WritePlacesDatabase(c.path, options, &error)) std::abort();
    std::string bytes;
    platform::ReadWholeFile(c.path.c_str(), &bytes);
    c.bytes = static_cast<int64_t>(bytes.size());
    c.items = ExpectedImportedItems(options);
  }
  return c;
}

void Report(benchmark::State& state, const Collection& c, int imported) {
  state.SetBytesProcessed(state.iterations() * c.bytes);
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.counters["items"] = imported;
  state.counters["MB"] = static_cast<double>(c.bytes) / 1e6;
  if (imported != c.items) state.SkipWithError("the import lost items");
}

void BM_ReadAndScanFloor(benchmark::State& state) {
  const Collection& c = Netscape(static_cast<int>(state.range(0)), false);
  int64_t tags = 0;
  for (auto _ : state) {
    std::string bytes;
    platform::ReadWholeFile(c.path.c_str(), &bytes);
    const char* p = bytes.data();
    const char* end = p + bytes.size();
    while ((p = static_cast<const char*>(std::memchr(p, '<', static_cast<size_t>(end - p))))) {
      ++tags;
      ++p;
    }
    benchmark::DoNotOptimize(tags);
  }
  state.SetBytesProcessed(state.iterations() * c.bytes);
}

void BM_ImportNetscape(benchmark::State& state) {
  const Collection& c = Netscape(static_cast<int>(state.range(0)), false);
  int imported = 0;
  for (auto _ : state) {
    BookmarkList list;
    if (ImportNetscapeHtml(list, c.path, 0) != 0) state.SkipWithError("import failed");
    imported = list.itemCount;
  }
  Report(state, c, imported);
}

// Every link lacks "</A>": each entry's element search finds only the next
// heading; the cost must stay that of a well-formed file.
void BM_ImportNetscapeUnclosed(benchmark::State& state) {
  const Collection& c = Netscape(static_cast<int>(state.range(0)), true);
  for (auto _ : state) {
    BookmarkList list;
    benchmark::DoNotOptimize(ImportNetscapeHtml(list, c.path, 0));
  }
  state.SetBytesProcessed(state.iterations() * c.bytes);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ImportPlaces(benchmark::State& state) {
  const Collection& c = Places(static_cast<int>(state.range(0)));
  int imported = 0;
  for (auto _ : state) {
    BookmarkList list;
    if (ImportPlacesDatabase(list, c.path, 0) != 0) state.SkipWithError("import failed");
    imported = list.itemCount;
  }
  Report(state, c, imported);
}

}  // namespace

BENCHMARK(BM_ReadAndScanFloor)->Arg(60000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImportNetscape)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(60000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_ImportNetscapeUnclosed)
    ->Arg(6000)
    ->Arg(60000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_ImportPlaces)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(60000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

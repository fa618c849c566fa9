// Loading, saving and decoding a list of the largest size a list can have
// (65,279 items), against the floor of reading the same file and splitting
// it into lines.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "list/bookmark_list.h"
#include "list/list_file.h"
#include "platform/platform.h"

namespace {

// Text of a given length that looks like words.
std::string Words(uint32_t seed, size_t length) {
  static const char* const kWords[] = {"news",  "daily", "guide", "open",  "source", "music",
                                       "world", "city",  "home",  "store", "photo",  "travel",
                                       "learn", "cook",  "sport", "film",  "book",   "code"};
  std::string text;
  while (text.size() < length) {
    if (!text.empty()) text += ' ';
    seed = seed * 1103515245u + 12345u;
    text += kWords[(seed >> 16) % (sizeof kWords / sizeof kWords[0])];
  }
  text.resize(length);
  return text;
}

// 20 categories of 10 subcategories, the rest bookmarks with realistic
// field lengths: titles ~40, addresses ~60, a note on every third, tags,
// visit times and counts.
struct BenchList {
  std::string path;
  int64_t bytes = 0;
  int items = 0;

  BenchList() {
    path =
        platform::TempFolder() + "vellox-bench-" + std::to_string(platform::TickCount()) + ".bkl";
    BookmarkList list;
    uint32_t now = 1600000000;
    list.clock = [&now] { return now; };
    const int kTotal = kMaxItems;
    const int kBookmarksPerSub = (kTotal - 20 - 200) / 200 + 1;
    int added = 0;
    for (int c = 0; c < 20 && added < kTotal; ++c) {
      BookmarkItem cat;
      cat.level = kLevelCategory;
      cat.title = Words(c, 18);
      list.AddItem(0, cat, 0);
      ++added;
      for (int s = 0; s < 10 && added < kTotal; ++s) {
        BookmarkItem sub;
        sub.level = kLevelSubcategory;
        sub.title = Words(c * 10 + s, 24);
        list.AddItem(0, sub, 0);
        ++added;
        for (int b = 0; b < kBookmarksPerSub && added < kTotal; ++b, ++added) {
          uint32_t n = static_cast<uint32_t>(added);
          BookmarkItem bm;
          bm.level = kLevelBookmark;
          bm.title = Words(n, 30 + n % 20);
          bm.url = "https://www." + Words(n * 7, 12 + n % 8) + ".example.com/" + Words(n * 3, 30);
          for (char& ch : bm.url)
            if (ch == ' ') ch = '-';
          if (n % 3 == 0) bm.notes = Words(n * 5, 80 + n % 80);
          bm.keywords = Words(n * 11, 20);
          bm.visits = static_cast<uint16_t>(n % 50);
          bm.timeAdded = now - n * 600;
          bm.timeLastVisit = bm.visits ? now - n * 60 : 0;
          bm.timePreviousVisit = bm.visits > 1 ? bm.timeLastVisit - 86400 : 0;
          bm.siteStatus = static_cast<uint8_t>(n % 4 == 0 ? 3 : 0);
          bm.timeSiteChecked = bm.siteStatus ? now - 3600 : 0;
          list.AddItem(0, bm, 0);
          ++now;
        }
      }
    }
    items = list.itemCount;
    platform::File file;
    if (file.Open(path.c_str(), platform::FileAccess::kCreateWrite) != 0 ||
        WriteList(list, file) != WriteResult::Ok)
      std::abort();
    bytes = file.Size();
  }
  ~BenchList() { platform::RemoveFile(path.c_str()); }
};

BenchList& Fixture() {
  static BenchList fixture;
  return fixture;
}

void Report(benchmark::State& state) {
  state.SetBytesProcessed(state.iterations() * Fixture().bytes);
  state.SetItemsProcessed(state.iterations() * Fixture().items);
}

// The floor: read the file and find its lines, nothing more.
void BM_ReadAndSplitLines(benchmark::State& state) {
  std::vector<std::string_view> lines;
  lines.reserve(70000);
  for (auto _ : state) {
    std::string bytes;
    platform::ReadWholeFile(Fixture().path.c_str(), &bytes);
    lines.clear();
    std::string_view rest(bytes);
    for (size_t lf; (lf = rest.find('\n')) != std::string_view::npos; rest.remove_prefix(lf + 1))
      lines.push_back(rest.substr(0, lf));
    benchmark::DoNotOptimize(lines.data());
  }
  Report(state);
}

// The floor of saving: write the same bytes to a new file.
void BM_WriteBytes(benchmark::State& state) {
  std::string bytes;
  platform::ReadWholeFile(Fixture().path.c_str(), &bytes);
  std::string out = Fixture().path + ".raw";
  for (auto _ : state) {
    platform::File file;
    if (file.Open(out.c_str(), platform::FileAccess::kCreateWrite) != 0 ||
        !file.Write(bytes.data(), bytes.size()))
      state.SkipWithError("write");
  }
  platform::RemoveFile(out.c_str());
  Report(state);
}

void BM_Load(benchmark::State& state) {
  for (auto _ : state) {
    BookmarkList list;
    ListResult header = ReadHeader(list, Fixture().path);
    ListResult load = LoadLines(list, 0);
    if (header != ListResult::ReadWrite || load != ListResult::Full) state.SkipWithError("load");
    benchmark::DoNotOptimize(list.itemCount);
  }
  Report(state);
}

void BM_Save(benchmark::State& state) {
  BookmarkList list;
  ReadHeader(list, Fixture().path);
  LoadLines(list, 0);
  list.file.Close();
  std::string out = Fixture().path + ".out";
  for (auto _ : state) {
    platform::File file;
    if (file.Open(out.c_str(), platform::FileAccess::kCreateWrite) != 0 ||
        WriteList(list, file) != WriteResult::Ok)
      state.SkipWithError("save");
  }
  platform::RemoveFile(out.c_str());
  Report(state);
}

void BM_DecodeAll(benchmark::State& state) {
  BookmarkList list;
  ReadHeader(list, Fixture().path);
  LoadLines(list, 0);
  BookmarkItem record;
  for (auto _ : state) {
    for (uint16_t i = list.Next(0, false); i != 0; i = list.Next(i, false))
      list.DecodeInto(i, true, &record);
    benchmark::DoNotOptimize(record.title.data());
  }
  Report(state);
}

BENCHMARK(BM_ReadAndSplitLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeAll)->Unit(benchmark::kMillisecond);

}  // namespace

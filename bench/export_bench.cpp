// Export of the largest list (65,279 items) through the shipped Netscape
// HTML and CSV templates, against the floor of writing the same number of
// bytes.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "exchange/template_export.h"
#include "exchange/template_header.h"
#include "list/bookmark_list.h"
#include "platform/platform.h"

namespace {

std::string Words(uint32_t seed, size_t length) {
  static const char* const kWords[] = {
      "news",  "daily", "guide",  "open",  "source",     "music", "world", "city", "home",
      "store", "photo", "travel", "learn", "cook & eat", "sport", "film",  "book", "\"code\""};
  std::string text;
  while (text.size() < length) {
    if (!text.empty()) text += ' ';
    seed = seed * 1103515245u + 12345u;
    text += kWords[(seed >> 16) % (sizeof kWords / sizeof kWords[0])];
  }
  text.resize(length);
  return text;
}

// 20 categories of 10 subcategories, the rest bookmarks with titles of
// 30-50 characters, addresses of about 60, a note on every third, tags and
// visit times (the shape of the list benchmarks' list).
struct ExportFixture {
  BookmarkList list;
  uint32_t now = 1600000000;
  std::string folder;

  ExportFixture() {
    list.clock = [this] { return now; };
    const int kBookmarksPerSub = (kMaxItems - 20 - 200) / 200 + 1;
    int added = 0;
    for (int c = 0; c < 20 && added < kMaxItems; ++c, ++added) {
      BookmarkItem cat;
      cat.level = kLevelCategory;
      cat.title = Words(c, 18);
      list.AddItem(0, cat, 0);
      for (int s = 0; s < 10 && added + 1 < kMaxItems; ++s) {
        BookmarkItem sub;
        sub.level = kLevelSubcategory;
        sub.title = Words(c * 10 + s, 24);
        list.AddItem(0, sub, 0);
        ++added;
        for (int b = 0; b < kBookmarksPerSub && added + 1 < kMaxItems; ++b, ++added) {
          uint32_t n = static_cast<uint32_t>(added);
          BookmarkItem bm;
          bm.level = kLevelBookmark;
          bm.flags = kFlagBookmark;
          bm.title = Words(n, 30 + n % 20);
          bm.url = "https://www.example.com/" + std::to_string(n) + "/" + Words(n * 3, 30);
          for (char& ch : bm.url)
            if (ch == ' ') ch = '-';
          if (n % 3 == 0) bm.notes = Words(n * 5, 80 + n % 80);
          bm.keywords = Words(n * 11, 20);
          bm.visits = static_cast<uint16_t>(n % 50);
          bm.timeAdded = now - n * 600;
          bm.timeLastVisit = bm.visits ? now - n * 60 : 0;
          list.AddItem(0, bm, 0);
        }
      }
    }
    folder =
        platform::TempFolder() + "vellox-export-bench-" + std::to_string(platform::TickCount());
    platform::CreateFolder(folder.c_str());
    folder += platform::PreferredSeparator();
  }
};

ExportFixture& Fixture() {
  static ExportFixture fixture;
  return fixture;
}

const std::string kTemplates = VELLOX_SOURCE_DIR "/src/resources/Templates/";

void ExportThrough(benchmark::State& state, const char* name) {
  TemplateCatalogRow row;
  if (ReadTemplateHeader(kTemplates + name, &row) != 0) {
    state.SkipWithError("template");
    return;
  }
  std::string out = Fixture().folder + name;
  for (auto _ : state) {
    if (ExportWithTemplate(Fixture().list, out, row.path, row.format, {}) != 0)
      state.SkipWithError("export");
  }
  std::string bytes;
  platform::ReadWholeFile(out.c_str(), &bytes);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
  state.SetItemsProcessed(state.iterations() * Fixture().list.itemCount);
  platform::RemoveFile(out.c_str());
}

void BM_ExportNetscapeHtml(benchmark::State& state) { ExportThrough(state, "netscape.txt"); }
void BM_ExportCsv(benchmark::State& state) { ExportThrough(state, "csv.txt"); }

// The floor: write as many bytes as the Netscape export writes, and flush
// them to disk as the export does before it reports success.
void BM_ExportWriteFloor(benchmark::State& state) {
  TemplateCatalogRow row;
  std::string out = Fixture().folder + "floor.html";
  if (ReadTemplateHeader(kTemplates + "netscape.txt", &row) != 0 ||
      ExportWithTemplate(Fixture().list, out, row.path, row.format, {}) != 0) {
    state.SkipWithError("export");
    return;
  }
  std::string bytes;
  platform::ReadWholeFile(out.c_str(), &bytes);
  for (auto _ : state) {
    platform::File file;
    if (file.Open(out.c_str(), platform::FileAccess::kCreateWrite) != 0 ||
        !file.Write(bytes.data(), bytes.size()) || !file.Flush())
      state.SkipWithError("write");
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
  platform::RemoveFile(out.c_str());
}

}  // namespace

BENCHMARK(BM_ExportNetscapeHtml)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportCsv)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportWriteFloor)->Unit(benchmark::kMillisecond);

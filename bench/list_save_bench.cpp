// Saving through the temporary file with the backup rotation, and the cost
// of encryption, on a list of 10,000 bookmarks with log-ins and passwords.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "list/backups.h"
#include "list/encryption.h"
#include "list/list_file.h"
#include "list/list_paths.h"
#include "list/list_save.h"
#include "platform/platform.h"

namespace {

constexpr int kBookmarks = 10000;

std::string BenchPath(const char* name) {
  return platform::TempFolder() + "vellox-save-bench-" + std::to_string(platform::TickCount()) +
         name;
}

void Fill(BookmarkList& list) {
  for (int n = 0; n < kBookmarks; ++n) {
    if (n % 50 == 0) {
      BookmarkItem folder;
      folder.level = kLevelCategory;
      folder.title = "Category " + std::to_string(n / 50);
      list.AddItem(kRootIndex, folder, 0);
      folder.level = kLevelSubcategory;
      folder.title = "Subcategory " + std::to_string(n / 50);
      list.AddItem(kRootIndex, folder, 0);
    }
    BookmarkItem b;
    b.level = kLevelBookmark;
    b.title = "A bookmark with a title of middle length " + std::to_string(n);
    b.url = "https://www.example" + std::to_string(n) + ".com/some/path/to/a/page.html";
    b.login = "user" + std::to_string(n);
    b.password = "password" + std::to_string(n);
    if (n % 3 == 0)
      b.notes = "A note of some length about this bookmark, number " + std::to_string(n);
    list.AddItem(kRootIndex, b, 0);
  }
}

// A list file on disk, opened writable as the program opens it.
struct OpenedList {
  std::string path;
  std::unique_ptr<BookmarkList> list;
  uint32_t now = 1600000000;

  OpenedList(const char* name, uint32_t options) : path(BenchPath(name)) {
    BookmarkList built;
    Fill(built);
    if (options) SetEncryption(built, options, "bench password");
    uint32_t error = 0;
    if (WriteListFile(built, path, &error) != kSaveOk) std::abort();
    list = std::make_unique<BookmarkList>();
    if (ReadHeader(*list, path) != ListResult::ReadWrite) std::abort();
    if (options && !CheckPassword(*list, "bench password", true)) std::abort();
    if (LoadLines(*list, 0) != ListResult::ReadWrite) std::abort();
    list->readOnly = false;
    list->clock = [this] { return now; };
  }
  ~OpenedList() {
    list->file.Close();
    for (const std::string& p :
         {path, BackupPath(path, BackupKind::kRecent), BackupPath(path, BackupKind::kOlder),
          BackupPath(path, BackupKind::kOldest)})
      platform::RemoveFile(p.c_str());
  }
};

// secondsBetween: 60 keeps the recent backup; 90,000 rotates all three
// every time (the slowest save).
void Save(benchmark::State& state, uint32_t options, uint32_t secondsBetween) {
  OpenedList opened("save.bkl", options);
  for (auto _ : state) {
    opened.now += secondsBetween;
    opened.list->modified = true;
    if (SaveList(*opened.list, true) != kSaveOk) state.SkipWithError("save");
  }
  state.SetItemsProcessed(state.iterations() * opened.list->itemCount);
}

void BM_SaveKeepingBackups(benchmark::State& state) { Save(state, 0, 60); }
void BM_SaveRotatingBackups(benchmark::State& state) { Save(state, 0, 90000); }
void BM_SaveWholeListEncrypted(benchmark::State& state) {
  Save(state, kEncryptWholeList | kEncryptSitePasswords, 60);
}

void BM_OpenWholeListEncrypted(benchmark::State& state) {
  OpenedList opened("open.bkl", kEncryptWholeList | kEncryptSitePasswords);
  opened.list->file.Close();
  for (auto _ : state) {
    BookmarkList list;
    if (ReadHeader(list, opened.path) != ListResult::ReadWrite ||
        !CheckPassword(list, "bench password", true) || LoadLines(list, 0) != ListResult::ReadWrite)
      state.SkipWithError("open");
  }
  state.SetItemsProcessed(state.iterations() * opened.list->itemCount);
}

// Switching site-password encryption on and off: every password enciphered,
// then deciphered.
void BM_SitePasswordsOnAndOff(benchmark::State& state) {
  BookmarkList list;
  list.salt = "Ab3dE5gH7j";
  Fill(list);
  for (auto _ : state) {
    SetEncryption(list, kEncryptSitePasswords, "bench password");
    SetEncryption(list, 0, "");
  }
  state.SetItemsProcessed(state.iterations() * 2 * kBookmarks);
}

}  // namespace

BENCHMARK(BM_SaveKeepingBackups)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveRotatingBackups)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveWholeListEncrypted)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenWholeListEncrypted)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SitePasswordsOnAndOff)->Unit(benchmark::kMillisecond);

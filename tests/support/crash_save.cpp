#include "support/crash_save.h"

#include "list/list_file.h"
#include "list/list_paths.h"
#include "list/list_save.h"
#include "platform/platform.h"
#include "support/sample_lists.h"

namespace listtest {
namespace {

// The change the saving side makes: the first and the last bookmark get new
// titles, so a save cut short anywhere shows.
void Change(BookmarkList& list) {
  uint16_t first = list.Next(list.Next(list.Next(kRootIndex, false), false), false);
  uint16_t last = list.Link(kRootIndex).prev;
  for (uint16_t index : {first, list.Target(last)}) {
    BookmarkItem& record = list.Decode(index, false);
    record.title += " (changed)";
    record.changed = 1;
    list.EncodeCurrentIfChanged();
  }
}

std::unique_ptr<BookmarkList> Load(const std::string& path) {
  auto list = OpenListFile(path);
  list->clock = [] { return kCrashClock; };
  return list;
}

}  // namespace

CrashFiles PrepareCrashFiles(const std::string& folder) {
  CrashFiles files;
  files.path = folder + "Crash.bkl";
  files.oldBytes = WriteSampleFile(files.path, kCrashListBookmarks);
  auto list = Load(files.path);
  Change(*list);
  RenderList(*list, &files.newBytes);
  list->file.Close();
  return files;
}

void ResetCrashFiles(const CrashFiles& files) {
  platform::WriteWholeFile(files.path.c_str(), files.oldBytes);
  for (BackupKind kind : {BackupKind::kRecent, BackupKind::kOlder, BackupKind::kOldest})
    platform::RemoveFile(BackupPath(files.path, kind).c_str());
  platform::RemoveFile(TemporarySavePath(files.path).c_str());
}

std::unique_ptr<BookmarkList> LoadForCrashTest(const std::string& path) {
  auto list = Load(path);
  Change(*list);
  list->file.Close();
  return list;
}

int SaveForCrashTest(BookmarkList& list, void (*ready)()) {
  if (ReopenListFile(list) != ListResult::ReadWrite) return -1;
  ready();
  return SaveList(list, true);
}

CrashOutcome CheckCrashOutcome(const CrashFiles& files) {
  std::string bytes;
  if (platform::ReadWholeFile(files.path.c_str(), &bytes) != 0) return CrashOutcome::kBroken;
  if (bytes == files.oldBytes) return CrashOutcome::kOld;
  if (bytes == files.newBytes) return CrashOutcome::kNew;
  return CrashOutcome::kBroken;
}

}  // namespace listtest

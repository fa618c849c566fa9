#include "list/backups.h"

#include "list/encryption.h"
#include "list/list_file.h"
#include "list/list_paths.h"
#include "list/list_save.h"
#include "platform/platform.h"

namespace {

bool Missing(const std::string& path) { return !platform::FileExists(path.c_str()); }

// Older than limit (or written by a clock that has since gone back further
// than limit).
bool Stale(const std::string& path, uint32_t now, uint32_t limit) {
  int64_t age =
      static_cast<int64_t>(now) - static_cast<int64_t>(platform::FileLastWriteTime(path.c_str()));
  return age > static_cast<int64_t>(limit) || age < -static_cast<int64_t>(limit);
}

// Loads a backup into copy. False when it cannot be read whole or its
// password is not among the known ones.
bool LoadBackup(BookmarkList& list, const std::string& path, BookmarkList& copy,
                ListResult* header) {
  *header = ReadHeader(copy, path);
  if (!HeaderAllowsLoading(*header)) return false;
  if (copy.encryptionOptions != 0) {
    ListEncryption& enc = EncryptionOf(list);
    bool opened = CheckPassword(copy, list.password, true);
    for (size_t i = enc.earlierPasswords.size(); !opened && i-- > 0;)
      opened = CheckPassword(copy, enc.earlierPasswords[i], true);
    if (!opened) return false;
  }
  ListResult loaded = LoadLines(copy, 0);
  bool whole = loaded == ListResult::ReadWrite || loaded == ListResult::NeedsRepair ||
               (loaded == ListResult::Full && !copy.linesLeftUnread);
  copy.file.Close();
  return whole;
}

void RewriteBackup(BookmarkList& list, const std::string& path) {
  if (Missing(path)) return;
  uint32_t time = platform::FileLastWriteTime(path.c_str());
  BookmarkList copy;
  copy.clock = list.clock;
  ListResult header;
  bool rewritten = false;
  if (LoadBackup(list, path, copy, &header)) {
    SetEncryption(copy, list.encryptionOptions, list.password);
    uint32_t error = 0;
    rewritten = WriteListFileReplacing(copy, path, &error) == kSaveOk;
    if (rewritten) platform::SetFileLastWriteTime(path.c_str(), time);
  }
  copy.file.Close();
  bool mayHoldPlainPasswords = !HeaderAllowsLoading(header) || copy.encryptionOptions == 0;
  if (!rewritten && mayHoldPlainPasswords) platform::RemoveFile(path.c_str());
}

}  // namespace

uint32_t CopyFileStamped(const std::string& from, const std::string& to, uint32_t time) {
  std::string bytes;
  if (uint32_t e = platform::ReadWholeFile(from.c_str(), &bytes)) return e;
  // A copy cut short (the program killed while it writes) must never stand
  // as the backup: it is written beside it and takes its name in one rename
  // (not flushed to disk: a backup guards against the program's end, and a
  // flush per copy would double a save's time).
  std::string temporary = TemporarySavePath(to);
  uint32_t e = platform::WriteWholeFile(temporary.c_str(), bytes);
  if (e == platform::kErrorNone) e = platform::SetFileLastWriteTime(temporary.c_str(), time);
  if (e == platform::kErrorNone) e = platform::MoveReplacing(temporary.c_str(), to.c_str());
  if (e != platform::kErrorNone) platform::RemoveFile(temporary.c_str());
  return e;
}

void RotateBackups(const std::string& listPath, uint32_t now) {
  std::string recent = BackupPath(listPath, BackupKind::kRecent);
  if (!Missing(recent) && !Stale(recent, now, kRecentBackupSeconds)) return;
  std::string older = BackupPath(listPath, BackupKind::kOlder);
  if (Missing(older) || Stale(older, now, kOlderBackupSeconds)) {
    if (!Missing(older)) CopyFileStamped(older, BackupPath(listPath, BackupKind::kOldest), now);
    if (!Missing(recent)) CopyFileStamped(recent, older, now);
  }
  CopyFileStamped(listPath, recent, now);
}

void RewriteBackups(BookmarkList& list) {
  for (BackupKind kind : {BackupKind::kRecent, BackupKind::kOlder, BackupKind::kOldest,
                          BackupKind::kBeforeLargeDeletion})
    RewriteBackup(list, BackupPath(list.path, kind));
  // The temporary file of an earlier save that failed holds the list as it
  // was then.
  std::string temporary = TemporarySavePath(list.path);
  if (!Missing(temporary)) platform::RemoveFile(temporary.c_str());
  ListEncryption& enc = EncryptionOf(list);
  enc.backupsNeedRewrite = false;
  enc.earlierPasswords.clear();
}

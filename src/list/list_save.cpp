#include "list/list_save.h"

#include "list/backups.h"
#include "list/deletion_guard.h"
#include "list/encryption.h"
#include "list/list_file.h"
#include "list/list_paths.h"
#include "platform/platform.h"

namespace {

constexpr uint32_t kSiteCheckWaitMs = 200;

void WaitForSiteCheck(const BookmarkList& list, ListHost* host) {
  while (host && host->SiteCheckRunning(list)) host->PumpWait(kSiteCheckWaitMs);
}

// Another program that reads the list file or its temporary file (a
// viewer, a virus scanner, a backup tool) makes writing the temporary file
// or the replace fail with access denied or a sharing violation until it
// lets go; Wine refuses the replace whatever that program's share flags.
// Each step is tried again after each of these waits, the user interface
// kept alive meanwhile.
constexpr uint32_t kHeldRetryWaitsMs[] = {50, 100, 200, 400, 800};

bool HeldByAnother(uint32_t error) {
  return error == platform::kErrorAccessDenied || error == platform::kErrorSharingViolation;
}

// step returns a system error (0 = done).
template <typename Step>
uint32_t RetryWhileHeld(ListHost* host, Step step) {
  uint32_t error = step();
  for (uint32_t wait : kHeldRetryWaitsMs) {
    if (!host || !HeldByAnother(error)) break;
    host->PumpWait(wait);
    error = step();
  }
  return error;
}

int Fail(uint32_t error, uint32_t* out) {
  *out = error != 0 ? error : platform::kErrorAccessDenied;
  return kSaveFileError;
}

}  // namespace

int WriteListFile(BookmarkList& list, const std::string& path, uint32_t* error) {
  *error = 0;
  platform::File file;
  if (uint32_t e = file.Open(path.c_str(), platform::FileAccess::kCreateWrite))
    return Fail(e, error);
  WriteResult written = WriteList(list, file);
  bool complete = written == WriteResult::Ok && file.Flush();
  uint32_t writeError = written == WriteResult::CannotWrite ? list.lastError : file.LastError();
  file.Close();
  if (complete) return kSaveOk;
  // An incomplete file is worth nothing; the list is still in memory.
  platform::RemoveFile(path.c_str());
  if (written == WriteResult::EncryptionFailed) return kSaveEncryptionFailed;
  return Fail(writeError, error);
}

int WriteListFileReplacing(BookmarkList& list, const std::string& path, uint32_t* error) {
  std::string temporary = TemporarySavePath(path);
  int result = WriteListFile(list, temporary, error);
  if (result != kSaveOk) return result;
  if (uint32_t e = platform::CommitReplacing(temporary.c_str(), path.c_str()))
    return Fail(e, error);
  return kSaveOk;
}

ListResult ReopenListFile(BookmarkList& list) {
  list.file.Close();
  uint32_t e = list.file.Open(list.path.c_str(), platform::FileAccess::kReadWrite);
  if (e == platform::kErrorNone) return ListResult::ReadWrite;
  list.lastError = e;
  if (e == platform::kErrorAccessDenied || e == platform::kErrorSharingViolation)
    return ListResult::ReadOnly;
  if (e == platform::kErrorFileNotFound || e == platform::kErrorPathNotFound)
    return ListResult::NotFound;
  return ListResult::CannotOpen;
}

int SaveList(BookmarkList& list, bool makeBackups, ListHost* host) {
  if (list.readOnly || list.path.empty()) return kSaveOk;
  // A writable list that lost its lock (a failed replace that could not
  // lock the file again) takes it back before anything is written.
  if (!list.file.IsOpen() && ReopenListFile(list) != ListResult::ReadWrite) return kSaveFileError;
  if (host) host->BeginWaitCursor();
  WaitForSiteCheck(list, host);
  list.EncodeCurrentIfChanged();
  uint32_t liveItems = GuardLargeDeletion(list, list.Now());
  if (makeBackups) RotateBackups(list.path, list.Now());

  std::string temporary = TemporarySavePath(list.path);
  int result = kSaveOk;
  uint32_t error = RetryWhileHeld(host, [&] {
    uint32_t e = 0;
    result = WriteListFile(list, temporary, &e);
    return result == kSaveFileError ? e : platform::kErrorNone;
  });
  if (result == kSaveOk) {
    // The lock must go before the file can be replaced on Windows.
    list.file.Close();
    error = RetryWhileHeld(
        host, [&] { return platform::CommitReplacing(temporary.c_str(), list.path.c_str()); });
    if (error != platform::kErrorNone) result = kSaveFileError;
    ListResult reopened = ReopenListFile(list);
    if (result == kSaveOk) {
      list.modified = false;
      list.lastSaveTime = list.Now();
      list.liveItemsSaved = liveItems;
      if (reopened != ListResult::ReadWrite) {
        list.file.Close();
        list.readOnly = true;
        result = kSaveReopenedReadOnly;
      }
      ListEncryption& enc = EncryptionOf(list);
      if (enc.backupsNeedRewrite) RewriteBackups(list);
    }
  }
  if (result == kSaveFileError) list.lastError = error;
  if (host) host->EndWaitCursor();
  return result;
}

uint32_t CloseList(BookmarkList& list, bool flush, ListHost* host) {
  if (!flush) {
    list.file.Close();
    return 0;
  }
  WaitForSiteCheck(list, host);
  uint32_t error = 0;
  if (list.file.IsOpen() && !list.file.Flush()) error = list.file.LastError();
  list.file.Close();
  list.Reset();
  ListEncryption& enc = EncryptionOf(list);
  enc.ClearKey(0);
  enc.ClearKey(1);
  enc.backupsNeedRewrite = false;
  enc.earlierPasswords.clear();
  return error;
}

#include "list/list_merge.h"

#include "list/encryption.h"
#include "list/list_edit.h"
#include "list/list_file.h"
#include "list/list_marks.h"
#include "list/list_save.h"
#include "list/list_transfer.h"

namespace {

// Reads the whole file into list: 0, or kMergeUnreadable / kMergeCancelled.
// writable: the file must be open for writing (it is saved afterwards).
int LoadWhole(BookmarkList& list, const std::string& path, bool writable,
              const MergePasswordPrompt& askPassword) {
  EncryptionOf(list);  // the cipher an encrypted file's password is checked with
  const ListResult header = ReadHeader(list, path);
  if (!HeaderAllowsLoading(header) || (writable && header != ListResult::ReadWrite))
    return kMergeUnreadable;
  list.readOnly = header != ListResult::ReadWrite;
  if (list.encryptionOptions != 0) {
    std::string password;
    do {
      if (!askPassword || !askPassword(path, &password)) return kMergeCancelled;
    } while (!CheckPassword(list, password, true));
  }
  const ListResult loaded = LoadLines(list, 0);
  if (!writable) list.file.Close();
  const bool whole = loaded == ListResult::ReadWrite || loaded == ListResult::NeedsRepair;
  return whole ? 0 : kMergeUnreadable;
}

}  // namespace

int MergeListFile(BookmarkList& list, const std::string& sourcePath,
                  const MergePasswordPrompt& askPassword) {
  BookmarkList source;
  source.clock = list.clock;
  const int loaded = LoadWhole(source, sourcePath, false, askPassword);
  if (loaded != 0) return loaded;
  // Every category but the SmartFolders, whole: the copy of marked items
  // takes them in outline order.
  for (uint16_t i = source.Next(kRootIndex, true); i != 0; i = source.Next(i, true)) {
    if (source.Level(i) == kLevelCategory && !IsSmartContainer(source, i))
      Mark(source, i, 1, true, false);
  }
  int copied = 0;
  for (uint16_t i = source.Next(kRootIndex, true); i != 0; i = source.Next(i, true))
    if (source.Link(i).flags & kFlagMarked) ++copied;
  const int result = TransferMarked(list, &source, kLevelCategory, 0, kTransferCopyFromHolding);
  if (result == kEditFull) return kMergeFull;
  if (result != kEditOk) return kMergeFailed;
  return copied;
}

int MergeIntoListFile(const std::string& listPath, const std::string& sourcePath,
                      const MergePasswordPrompt& askPassword) {
  BookmarkList list;
  int result = LoadWhole(list, listPath, true, askPassword);
  if (result == 0) result = MergeListFile(list, sourcePath, askPassword);
  if (result > 0 && SaveList(list, true) != kSaveOk) result = kMergeNotSaved;
  CloseList(list, false);
  return result;
}

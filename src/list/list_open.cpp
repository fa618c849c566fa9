// Opening a list into the slots (OpenList and the ways to it) and creating
// a new list file.
#include <string>

#include "list/encryption.h"
#include "list/list_file.h"
#include "list/list_paths.h"
#include "list/list_save.h"
#include "list/list_slots.h"
#include "list/repair.h"
#include "list/utf16_convert.h"
#include "platform/platform.h"
#include "resources/resource.h"
#include "util/messages.h"

using platform::kIdOk;
using platform::kIdYes;
using platform::kMbIconInformation;
using platform::kMbIconQuestion;
using platform::kMbIconStop;
using platform::kMbIconWarning;

namespace {

// What became of the lines after the header was read.
struct LoadOutcome {
  ListResult result = ListResult::ReadWrite;
  bool attempted = false;
  bool decryptionFailed = false;
  bool repaired = false;
  std::string corruptedCopy;
};

// Results after which the new list is not installed: the previous list
// stays shown. (An unreadable or undecryptable list would only replace it
// with an empty one.) A damaged list is shown read-only with the part that
// could be read, so that it can be looked at and rescued with Save Copy.
bool Discarded(ListResult header, const LoadOutcome& load) {
  if (header != ListResult::ReadWrite && header != ListResult::ReadOnly &&
      header != ListResult::OtherVersion)
    return true;
  if (load.decryptionFailed) return true;
  return load.result == ListResult::OutOfMemory || load.result == ListResult::CannotOpen;
}

}  // namespace

bool ListSlots::OpenList(const std::string& path, int knownIndex, uint32_t selectId,
                         bool keepCurrent) {
  OpenRequest request;
  request.path = path;
  request.knownIndex = knownIndex;
  request.selectId = selectId;
  request.keepCurrent = keepCurrent;
  return Open(request);
}

bool ListSlots::Open(OpenRequest& r) {
  lastOpen_ = OpenReport();
  std::unique_ptr<BookmarkList> list = NewList();
  ListResult header = ReadHeader(*list, r.path);
  lastOpen_.header = header;
  if (header == ListResult::NotFound) {
    if (!CreateList(r.path, true)) return false;
    header = ReadHeader(*list, r.path);
  }
  if (header == ListResult::Utf16) {
    if (MessageFromTable(Owner(), IDS_CONVERT_FROM_UNICODE,
                         platform::kMbOkCancel | kMbIconQuestion) != kIdOk)
      return false;
    std::string copy = FreeAnsiCopyPath(r.path);
    uint32_t error = ConvertUtf16File(list->file, copy);
    list->file.Close();
    if (error != 0) {
      MessageFromTable(Owner(), IDS_CANNOT_CREATE_LIST, platform::kMbOk | kMbIconStop, {copy});
      return false;
    }
    if (r.knownIndex >= 0 && static_cast<size_t>(r.knownIndex) < settings_->lists.size())
      settings_->lists[static_cast<size_t>(r.knownIndex)].path = copy;
    r.path = copy;
    header = ReadHeader(*list, r.path);
  }
  lastOpen_.header = header;
  if (header == ListResult::ReadOnly) {
    // Locked by this program itself: the list is shown or held already.
    if (!r.reload && currentList && SamePath(currentList->path, list->path)) return true;
    bool holdsMarks = r.keepCurrent || (currentList && HasMarkedItems(*currentList));
    if (markHoldingList && SamePath(markHoldingList->path, list->path) && holdsMarks) {
      ExchangeSlots();
      return true;
    }
  }

  LoadOutcome load;
  if (HeaderAllowsLoading(header)) {
    if (r.knownIndex < 0 && r.addToKnown) r.knownIndex = AddKnownList(list->path);
    if (list->encryptionOptions != 0 && !TryRememberedPasswords(*list, r.knownIndex) &&
        (list->encryptionOptions & kEncryptWholeList)) {
      host_->ShowMainWindow();
      load.decryptionFailed = !AskPassword(*list, r.knownIndex, true);
    }
    if (!load.decryptionFailed) {
      load.attempted = true;
      load.result = LoadLines(*list, r.selectId);
      if (load.result == ListResult::NeedsRepair) {
        load.corruptedCopy = Repair(*list);
        load.repaired = true;
        load.result = ListResult::ReadWrite;
        if (!load.corruptedCopy.empty())
          MessageFromTable(Owner(), IDS_LIST_REPAIRED, platform::kMbOk | kMbIconWarning,
                           {load.corruptedCopy});
      }
      // A list cut off at the limit would lose its unread lines when saved,
      // and a repaired one without a copy of the damaged file would lose
      // that file: both stay read-only.
      bool whole = load.result == ListResult::ReadWrite ||
                   (load.result == ListResult::Full && !list->linesLeftUnread);
      bool copied = !load.repaired || !load.corruptedCopy.empty();
      if (header == ListResult::ReadWrite && whole && copied) list->readOnly = false;
    }
  }

  lastOpen_.header = header;
  lastOpen_.load = load.repaired ? ListResult::NeedsRepair : load.result;
  lastOpen_.decryptionFailed = load.decryptionFailed;
  lastOpen_.corruptedCopy = load.corruptedCopy;

  // The messages, by result.
  const std::string name = NameOf(*list, r.knownIndex);
  if (load.decryptionFailed) {
    MessageFromTable(Owner(), IDS_DECRYPTION_FAILED, platform::kMbOk | kMbIconWarning);
  } else if (load.result == ListResult::Full) {
    MessageFromTable(Owner(), IDS_LIST_FULL, platform::kMbOk | kMbIconInformation, {name});
  } else if (header == ListResult::DamagedHeader || load.result == ListResult::Damaged) {
    MessageFromTable(Owner(), IDS_LIST_CORRUPT, platform::kMbOk | kMbIconInformation);
  } else if (load.result == ListResult::OutOfMemory) {
    MessageFromTable(Owner(), IDS_OUT_OF_MEMORY_LOADING, platform::kMbOk | kMbIconStop);
  } else if (header == ListResult::NotAListFile) {
    MessageFromTable(Owner(), IDS_NOT_A_LIST_FILE, platform::kMbOk | kMbIconStop);
  } else if (header == ListResult::EncryptedUtf16) {
    MessageFromTable(Owner(), IDS_ENCRYPTED_UNICODE, platform::kMbOk | kMbIconStop);
  } else if (header == ListResult::CannotOpen || load.result == ListResult::CannotOpen) {
    MessageFromTable(Owner(), IDS_CANNOT_OPEN_LIST, platform::kMbOk | kMbIconStop,
                     {platform::SystemErrorText(list->lastError)});
  }
  if (Discarded(header, load)) return false;

  // A read-only list is kept in memory only.
  if (list->readOnly) list->file.Close();
  bool uncopiedRepair = load.repaired && load.corruptedCopy.empty();
  if ((header == ListResult::ReadOnly || uncopiedRepair) &&
      !settings_->HasBehaviour(kBehaviourNoReadOnlyWarning) && host_->ShowReadOnlyWarning())
    settings_->behaviourFlags |= kBehaviourNoReadOnlyWarning;

  Install(std::move(list), r.knownIndex, r.keepCurrent, r.reload);
  return true;
}

bool ListSlots::ShowsCurrentUnlocked(int knownIndex) const {
  if (!currentList || currentListIndex != knownIndex) return false;
  const BookmarkList& list = *currentList;
  return !(list.encryptionOptions & kEncryptWholeList) || list.keyState == 2 ||
         !list.password.empty();
}

bool ListSlots::ReloadCurrent(int knownIndex) {
  if (!currentList) return false;
  BookmarkList* old = currentList.get();
  OpenRequest r;
  r.path = old->path;
  r.knownIndex = knownIndex;
  if (knownIndex >= 0 && static_cast<size_t>(knownIndex) < settings_->lists.size())
    r.selectId = settings_->lists[static_cast<size_t>(knownIndex)].start;
  r.addToKnown = false;
  r.reload = true;
  // The list's own lock would make its file read-only to the new reading.
  old->file.Close();
  if (Open(r)) return true;
  if (currentList.get() == old && !old->readOnly && ReopenListFile(*old) != ListResult::ReadWrite)
    old->file.Close();  // SaveList tries to lock it again and reports a failure
  return false;
}

bool ListSlots::OpenKnownList(int knownIndex, bool forceReload) {
  if (knownIndex < 0 || static_cast<size_t>(knownIndex) >= settings_->lists.size()) return false;
  if (markHoldingList && markHoldingListIndex == knownIndex) {
    ExchangeSlots();
    host_->SaveSettings();
    return true;
  }
  if (currentList && currentListIndex == knownIndex) {
    if (!forceReload && ShowsCurrentUnlocked(knownIndex)) return true;
    return ReloadCurrent(knownIndex);
  }
  const KnownListEntry& entry = settings_->lists[static_cast<size_t>(knownIndex)];
  if (!OpenList(entry.path, knownIndex, entry.start, false)) return false;
  // The chosen list is stored at once, with the settings backup.
  host_->SaveSettings();
  return true;
}

bool ListSlots::OpenListByPath(const std::string& path, bool keepCurrent) {
  if (path.empty()) return false;
  for (size_t i = 0; i < settings_->lists.size(); ++i) {
    if (!SamePath(settings_->lists[i].path, path)) continue;
    int index = static_cast<int>(i);
    if (!keepCurrent || (markHoldingList && markHoldingListIndex == index) ||
        (currentList && currentListIndex == index))
      return OpenKnownList(index, false);
    return OpenList(settings_->lists[i].path, index, settings_->lists[i].start, true);
  }
  bool opened = OpenList(path, -1, 0, keepCurrent);
  host_->SaveSettings();
  return opened;
}

bool ListSlots::CreateList(const std::string& path, bool ask) {
  if (platform::FileExists(path.c_str())) {
    if (MessageFromTable(Owner(), IDS_OVERWRITE_FILE, platform::kMbOkCancel | kMbIconQuestion) !=
        kIdOk)
      return false;
    // A list of that file has to let go of it (and no longer matches it).
    bool closed = false;
    if (markHoldingList && SamePath(markHoldingList->path, path)) {
      DiscardMarkHolding();
      closed = true;
    }
    if (currentList && SamePath(currentList->path, path)) {
      CloseList(*currentList, true, host_);
      currentList.reset();
      currentListIndex = -1;
      closed = true;
    }
    if (closed) host_->ListsChanged();
  } else if (ask && MessageFromTable(Owner(), IDS_CREATE_NEW_LIST,
                                     platform::kMbYesNo | kMbIconQuestion, {path}) != kIdYes) {
    return false;
  }
  if (CreateListFile(path, true) != CreateResult::Ok) {
    MessageFromTable(Owner(), IDS_CANNOT_CREATE_LIST, platform::kMbOk | kMbIconStop, {path});
    return false;
  }
  return true;
}

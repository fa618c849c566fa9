// The save step with its prompt, "Save Copy" and "Revert".
#include <ctime>
#include <string>

#include "list/item_codec.h"
#include "list/list_host.h"
#include "list/list_paths.h"
#include "list/list_save.h"
#include "list/list_slots.h"
#include "platform/platform.h"
#include "resources/resource.h"
#include "util/messages.h"

using platform::kIdIgnore;
using platform::kIdNo;
using platform::kIdRetry;
using platform::kIdYes;

namespace {

// 10030 (with the system's text) or 10079, Abort/Retry/Ignore.
int AskAfterFailedWrite(void* owner, int result, uint32_t error) {
  unsigned type = platform::kMbAbortRetryIgnore | platform::kMbIconWarning;
  if (result == kSaveEncryptionFailed) return MessageFromTable(owner, IDS_ENCRYPTION_ERROR, type);
  return MessageFromTable(owner, IDS_CANNOT_SAVE_LIST, type, {platform::SystemErrorText(error)});
}

// The deepest selected item of the three columns, or 0.
uint16_t SelectedItem(const BookmarkList& list) {
  for (int level = 2; level >= 0; --level)
    if (uint16_t item = list.columns[level].SelectedItem()) return item;
  return 0;
}

std::string TimeLabel(int id, const std::string& path) {
  if (!platform::FileExists(path.c_str()))
    return MessageBody(id, {MessageBody(IDS_REVERT_NOT_FOUND)});
  std::tm local = {};
  platform::UtcToLocalTm(platform::FileLastWriteTime(path.c_str()), &local);
  return MessageBody(id, {platform::FormatTime("%c", local)});
}

}  // namespace

void ListSlots::StoreSelection(BookmarkList& list, int knownIndex) {
  if (knownIndex < 0 || static_cast<size_t>(knownIndex) >= settings_->lists.size()) return;
  uint16_t item = SelectedItem(list);
  uint32_t id = item != 0 ? DecodeHead(list.Line(list.Target(item))).id : 0;
  settings_->lists[static_cast<size_t>(knownIndex)].start = id;
}

bool ListSlots::SaveListStep(BookmarkList& list, int knownIndex, bool exiting, bool askFirst,
                             bool force) {
  return SaveStep(list, knownIndex, exiting, askFirst, force, exiting);
}

bool ListSlots::SaveStep(BookmarkList& list, int knownIndex, bool exiting, bool askFirst,
                         bool force, bool noKeepsChanges) {
  list.EncodeCurrentIfChanged();
  StoreSelection(list, knownIndex);
  if (list.readOnly || (!list.modified && !force)) return true;
  if (askFirst) {
    host_->ShowMainWindow();
    int answer = MessageFromTable(Owner(), IDS_SAVE_CHANGES,
                                  platform::kMbYesNoCancel | platform::kMbIconQuestion,
                                  {NameOf(list, knownIndex), exiting ? "exiting" : "continuing"});
    if (answer == kIdNo) {
      if (noKeepsChanges) return true;
      // The changes are dropped: the list is read again from its file.
      if (&list == currentList.get()) return ReloadCurrent(currentListIndex);
      if (&list == markHoldingList.get()) {
        DiscardMarkHolding();
        host_->ListsChanged();
      }
      return true;
    }
    if (answer != kIdYes) return false;
  }
  for (;;) {
    // After a save the list keeps its file open and locked (it is not
    // closed here: a closed list could not be saved again).
    int result = SaveList(list, true, host_);
    if (result == kSaveOk || result == kSaveReopenedReadOnly) return true;
    int answer = AskAfterFailedWrite(Owner(), result, list.lastError);
    if (answer == kIdRetry) continue;
    return answer == kIdIgnore;
  }
}

bool ListSlots::AutosaveDue() const {
  if (!CurrentIsWritable() || !CurrentIsModified() || SecondsSinceSave() <= kAutosaveSeconds)
    return false;
  if (!autosaveHold_.active) return true;
  const uint32_t now = clock();
  if (now <= autosaveHold_.until) return false;
  return !autosaveHold_.untilChanged || currentList->modified.Changes() != autosaveHold_.changes;
}

void ListSlots::Autosave(bool askFirst) {
  if (!AutosaveDue()) return;
  BookmarkList* list = currentList.get();
  bool goOn = SaveStep(*list, currentListIndex, false, askFirst, false, true);
  if (goOn && markHoldingList)
    goOn = SaveStep(*markHoldingList, markHoldingListIndex, false, askFirst, false, true);
  // Whatever the answer, the current list is the one it was.
  if (currentList.get() != list || !list->modified) {
    autosaveHold_ = AutosaveHold();
    return;
  }
  autosaveHold_.active = true;
  autosaveHold_.until = clock() + kAutosaveSeconds;
  autosaveHold_.untilChanged = goOn;
  autosaveHold_.changes = list->modified.Changes();
}

bool ListSlots::SaveCopy() {
  if (!currentList) return false;
  BookmarkList& list = *currentList;
  std::string name = NameOf(list, currentListIndex);
  std::string title = MessageBody(IDS_SAVE_COPY_TITLE, {name});
  std::string suggested = name, path;
  for (;;) {
    if (!host_->ChooseCopyPath(title, settings_->listFolder, suggested, &path)) return false;
    if (!platform::FileExists(path.c_str())) break;
    if (MessageFromTable(Owner(), IDS_OVERWRITE_LIST,
                         platform::kMbYesNo | platform::kMbIconQuestion) == kIdYes)
      break;
    suggested.clear();
  }
  // A copy over the list's own file is a save of it.
  if (SamePath(path, list.path)) return SaveListStep(list, currentListIndex, false, false, true);
  for (;;) {
    uint32_t error = 0;
    int result = WriteListFileReplacing(list, path, &error);
    if (result == kSaveOk) return true;
    if (AskAfterFailedWrite(Owner(), result, error) != kIdRetry) return false;
  }
}

bool ListSlots::Revert() {
  if (!currentList) return false;
  const std::string listPath = currentList->path;
  const std::string paths[4] = {listPath, BackupPath(listPath, BackupKind::kRecent),
                                BackupPath(listPath, BackupKind::kOlder),
                                BackupPath(listPath, BackupKind::kOldest)};
  RevertChoices choices;
  choices.prompt = MessageBody(IDS_REVERT_PROMPT, {NameOf(*currentList, currentListIndex)});
  for (int i = 0; i < 4; ++i) {
    choices.labels[i] = TimeLabel(IDS_REVERT_LAST_SAVED + i, paths[i]);
    choices.available[i] = platform::FileExists(paths[i].c_str());
  }
  const std::string snapshot = BackupPath(listPath, BackupKind::kBeforeLargeDeletion);
  choices.snapshotAvailable = platform::FileExists(snapshot.c_str());
  if (choices.snapshotAvailable)
    choices.snapshotLabel = TimeLabel(IDS_REVERT_BEFORE_LARGE_DELETION, snapshot);
  int choice = host_->ChooseRevert(choices);
  bool offered = (choice >= 0 && choice <= 3 && choices.available[choice]) ||
                 (choice == kRevertSnapshotChoice && choices.snapshotAvailable);
  if (!offered) return false;
  bool reverted = choice == 0                       ? ReloadCurrent(currentListIndex)
                  : choice == kRevertSnapshotChoice ? RevertToBackup(snapshot)
                                                    : RevertToBackup(paths[choice]);
  if (!reverted)
    MessageFromTable(Owner(), IDS_REVERT_FAILED, platform::kMbOk | platform::kMbIconStop);
  return reverted;
}

bool ListSlots::RevertToBackup(const std::string& backupPath) {
  // The list waits in the mark-holding slot, read-only, while the backup
  // is opened as the current list; the list there before keeps its
  // changes.
  if (markHoldingList) SaveUnsavedChanges(*markHoldingList);
  DiscardMarkHolding();
  markHoldingList = std::move(currentList);
  markHoldingListIndex = currentListIndex;
  currentListIndex = -1;
  BookmarkList& previous = *markHoldingList;
  bool wasReadOnly = previous.readOnly;
  previous.readOnly = true;

  OpenRequest r;
  r.path = backupPath;
  r.keepCurrent = true;
  r.addToKnown = false;
  bool opened = Open(r) && currentList && SamePath(currentList->path, backupPath);
  if (!opened) {
    if (currentList) CloseList(*currentList, true, host_);
    currentList = std::move(markHoldingList);
    currentListIndex = markHoldingListIndex;
    markHoldingListIndex = -1;
    currentList->readOnly = wasReadOnly;
    host_->ListsChanged();
    return false;
  }
  // The backup takes the list's place: its content is written over the
  // list file by the next save.
  BookmarkList& restored = *currentList;
  restored.file.Close();
  restored.path = previous.path;
  // The file still holds what the list held: a backup far smaller than it
  // is a large deletion when it is saved.
  restored.liveItemsSaved = previous.liveItemsSaved;
  CloseList(previous, true, host_);
  markHoldingList.reset();
  restored.modified = true;
  restored.readOnly = ReopenListFile(restored) != ListResult::ReadWrite;
  if (restored.readOnly) restored.file.Close();
  currentListIndex = markHoldingListIndex;
  markHoldingListIndex = -1;
  if (currentListIndex >= 0) settings_->currentListIndex = currentListIndex;
  host_->ListsChanged();
  return true;
}

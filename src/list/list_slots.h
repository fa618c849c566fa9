// The two list slots of the program and the life of a list file in them:
// opening (the read-only fallback, the UTF-16 conversion, passwords and
// repair), creating, the save step with its prompt, saving a copy,
// reverting and the per-run memory of passwords.
//
// currentList is the list shown; markHoldingList an earlier list kept open
// because it still holds marked items. Each has its index in the known
// lists of the settings (-1 = not known). The slots change only through
// OpenList, OpenKnownList, CreateList, Revert and CloseAll.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "list/bookmark_list.h"
#include "list/list_host.h"
#include "list/list_result.h"
#include "settings/settings.h"

// The List menu holds at most this many lists.
constexpr size_t kMaxKnownLists = 100;
// A changed list is saved by itself this long after it was last saved or
// loaded.
constexpr uint32_t kAutosaveSeconds = 600;

// How the last opening went, for tools that report it.
struct OpenReport {
  ListResult header = ListResult::ReadWrite;  // ReadHeader's result (after any conversion)
  ListResult load = ListResult::ReadWrite;    // LoadLines' result; NeedsRepair when repaired
  bool decryptionFailed = false;
  std::string corruptedCopy;  // the copy made before a repair
};

class ListSlots {
 public:
  ListSlots(Settings* settings, ListHost* host);
  ~ListSlots();
  ListSlots(const ListSlots&) = delete;
  ListSlots& operator=(const ListSlots&) = delete;

  std::unique_ptr<BookmarkList> currentList;
  std::unique_ptr<BookmarkList> markHoldingList;
  int currentListIndex = -1;
  int markHoldingListIndex = -1;
  // The known list shown before the current one (-1 = none), for Ctrl+Tab.
  int previousListIndex = -1;
  // The clock handed to every list opened (tests replace it).
  std::function<uint32_t()> clock;

  // ---- Opening ----------------------------------------------------------
  // Opens a list file and makes it the current list. knownIndex -1: not a
  // known list (it is added to them). keepCurrent keeps the current list as
  // markHoldingList. False when nothing new is shown (the user was told).
  bool OpenList(const std::string& path, int knownIndex, uint32_t selectId, bool keepCurrent);
  // Known list knownIndex: exchanges the slots when it is markHoldingList,
  // does nothing when it is shown already (unless forceReload, or it is
  // wholly encrypted and locked), else opens it at its last selected item.
  bool OpenKnownList(int knownIndex, bool forceReload);
  // A path: a known one by its index, else as a new known list (and the
  // settings are written back).
  bool OpenListByPath(const std::string& path, bool keepCurrent);
  // A new list file at path. ask: offer it first (the file is missing);
  // an existing file is overwritten only after the user agreed.
  bool CreateList(const std::string& path, bool ask);

  // ---- Saving, copy, revert -------------------------------------------
  // The save step of one list (current or markHoldingList): remembers the
  // selected item, asks first when askFirst, saves with backups and
  // handles failures with Abort/Retry/Ignore. False: the user cancelled.
  bool SaveListStep(BookmarkList& list, int knownIndex, bool exiting, bool askFirst, bool force);
  // The timer's save, when AutosaveDue: the save step of both lists, asking
  // first when askFirst. Unlike leaving the lists, No keeps the changes
  // (the user asked for nothing) and the question waits for the next
  // change and another kAutosaveSeconds; Cancel, or a failed save given up,
  // waits kAutosaveSeconds.
  void Autosave(bool askFirst);
  // The current list is writable, changed, was last saved or loaded more
  // than kAutosaveSeconds ago, and the user has not put the question off.
  bool AutosaveDue() const;
  // "Save Copy": the current list into a file the user chooses; the list
  // stays attached to its own file. False when cancelled or failed.
  bool SaveCopy();
  // "Revert": back to the list file as last saved, or to one of its
  // backups or the snapshot kept before a large deletion, which then takes
  // the list's place. False when cancelled or failed.
  bool Revert();

  // ---- Passwords --------------------------------------------------------
  // Dialog 515 until the right password or Cancel; a password remembered
  // for knownIndex is tried first. markVerified: the list keeps the
  // accepted password (keyState 2); otherwise it is only checked.
  bool AskPassword(BookmarkList& list, int knownIndex, bool markVerified);
  // The details pane's lock: the lists forget their passwords (the key
  // stays, so a wholly encrypted list can still be saved) and so does the
  // per-run memory.
  void ForgetPasswords();
  // The password remembered for a known list in this run ("" = none).
  std::string RememberedPassword(int knownIndex) const;

  // ---- For the application and the main window ----------------------
  bool HasCurrent() const { return currentList != nullptr; }
  bool CurrentIsWritable() const { return HasCurrent() && !currentList->readOnly; }
  bool CurrentIsModified() const { return HasCurrent() && currentList->modified; }
  uint32_t SecondsSinceSave() const;
  // One step of the due-visit scan; true when it found a new due visit.
  bool ScanDueVisits();
  bool DueVisitScanInProgress() const { return HasCurrent() && currentList->dueScanActive; }
  // The current list's name for the title: the known list's name, else the
  // file name without extension; empty without a list.
  std::string CurrentName() const;
  std::string NameOf(const BookmarkList& list, int knownIndex) const;
  // Releases both lists without saving (exit).
  void CloseAll();
  // The open lists take the settings they keep a copy of (the highlight
  // period, the SmartFolder size) again, after the user changed them.
  void FollowSettings();
  const OpenReport& LastOpen() const { return lastOpen_; }
  // The user interface the slots ask through.
  ListHost& Host() const { return *host_; }

 private:
  struct OpenRequest {
    std::string path;
    int knownIndex = -1;
    uint32_t selectId = 0;
    bool keepCurrent = false;
    bool addToKnown = true;  // a backup opened by Revert is no known list
    bool reload = false;     // the current list's own file, read again
  };
  bool Open(OpenRequest& request);
  std::unique_ptr<BookmarkList> NewList() const;
  int AddKnownList(const std::string& path);
  bool TryRememberedPasswords(BookmarkList& list, int knownIndex);
  void Remember(int knownIndex, const std::string& password);
  // replaceCurrent: the current list is an older reading of the same file
  // and is closed even when it holds marks (and its changes are dropped).
  // The caller offers the save step (with its prompt) before this; any
  // other list closed here that still holds changes is saved, never
  // dropped.
  void Install(std::unique_ptr<BookmarkList> list, int knownIndex, bool keepCurrent,
               bool replaceCurrent);
  void ExchangeSlots();
  // Saves a writable list that holds changes, without asking: the last
  // guard before a list is closed.
  void SaveUnsavedChanges(BookmarkList& list);
  // Closes the list in the second slot as it is.
  void DiscardMarkHolding();
  bool ReloadCurrent(int knownIndex);
  bool ShowsCurrentUnlocked(int knownIndex) const;
  // SaveListStep; noKeepsChanges: No leaves the list as it is (exiting,
  // the autosave) instead of reading it again from its file.
  bool SaveStep(BookmarkList& list, int knownIndex, bool exiting, bool askFirst, bool force,
                bool noKeepsChanges);
  bool RevertToBackup(const std::string& backupPath);
  void StoreSelection(BookmarkList& list, int knownIndex);
  void* Owner() const { return host_->OwnerWindow(); }

  Settings* settings_;
  ListHost* host_;
  std::vector<std::string> rememberedPasswords_;  // by known index
  bool askingPassword_ = false;
  OpenReport lastOpen_;
  // The autosave question put off for the current list (cleared whenever
  // another list takes the slot): not before `until`, and with
  // untilChanged not before the list's change count passes `changes`.
  struct AutosaveHold {
    bool active = false;
    uint32_t until = 0;
    bool untilChanged = false;
    uint32_t changes = 0;
  } autosaveHold_;
};

// True when the list holds marked items.
bool HasMarkedItems(const BookmarkList& list);

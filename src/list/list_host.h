// What opening, saving and reverting lists need from the rest of the
// program: the user's answers in dialogs, the main window, the settings
// store and the site checker. The defaults answer like a user who cancels
// and a program without windows, so the list code runs without a user
// interface (tools, tests). Message boxes go through util/messages.h.
#pragma once

#include <array>
#include <cstdint>
#include <string>

class BookmarkList;

// The revert dialog's entry of the snapshot kept before a large deletion.
constexpr int kRevertSnapshotChoice = 4;

// The choices of the revert dialog: the list file, then the recent, older
// and oldest backups, and the snapshot taken before a large deletion.
struct RevertChoices {
  std::string prompt;                 // "Revert to previously-saved copy of '...':"
  std::array<std::string, 4> labels;  // "Last-saved (...)" ... or "... (not found)"
  std::array<bool, 4> available{};    // false: the file is missing, its button is disabled
  // The fifth choice (4), offered only when the snapshot kept before a
  // large deletion exists: "Before large deletion (...)".
  std::string snapshotLabel;
  bool snapshotAvailable = false;
};

class ListHost {
 public:
  virtual ~ListHost() = default;

  // The owner of message boxes (a window handle), or null.
  virtual void* OwnerWindow() { return nullptr; }
  // Makes the main window visible before the user is asked something.
  virtual void ShowMainWindow() {}
  // The slots or the current list changed: bring the display up to date.
  virtual void ListsChanged() {}
  // Writes the settings back with their backup file (a list was chosen or
  // added to the known lists), so that a lost registry key comes back with
  // the user's lists.
  virtual void SaveSettings() {}

  // Dialog 515: the typed password, or false on Cancel (or while such a
  // dialog is already open).
  virtual bool RequestPassword(const std::string& /*title*/, std::string* /*password*/) {
    return false;
  }
  // A second password request while dialog 515 is open: it comes to the
  // front, and the request fails.
  virtual void RaisePasswordRequest() {}
  // Dialog 525; true when "Do not warn me again" was ticked.
  virtual bool ShowReadOnlyWarning() { return false; }
  // Dialog 530: the chosen entry (0-3, 4 the snapshot), or -1 for Cancel.
  virtual int ChooseRevert(const RevertChoices& /*choices*/) { return -1; }
  // The save-file dialog of "Save Copy", starting in folder with name;
  // false on Cancel.
  virtual bool ChooseCopyPath(const std::string& /*title*/, const std::string& /*folder*/,
                              const std::string& /*name*/, std::string* /*path*/) {
    return false;
  }

  // True while a site check of this list is running (its worker writes
  // into the list).
  virtual bool SiteCheckRunning(const BookmarkList& /*list*/) { return false; }
  // Waits about this long while keeping the user interface alive.
  virtual void PumpWait(uint32_t /*milliseconds*/) {}
  // The wait cursor around a save.
  virtual void BeginWaitCursor() {}
  virtual void EndWaitCursor() {}
};

// The dialogs of opening, saving and encrypting lists: decryption password
// (515), read-only warning (525), revert (530), encryption options (506)
// and the file dialogs of "Save Copy" and "Open/New".
#pragma once

#include <windows.h>

#include <string>

#include "list/bookmark_list.h"
#include "list/list_host.h"

// 515, modal, titled title: the typed password, false on Cancel.
bool RunPasswordDialog(HWND parent, const std::string& title, std::string* password);
// The password dialog while it is open, else null.
HWND OpenPasswordDialog();

// 525: true when "Do not warn me again" was ticked.
bool RunReadOnlyWarning(HWND parent);

// 530: the chosen entry (0 the list file, 1-3 the backups, 4 the snapshot
// before a large deletion), -1 on Cancel.
int RunRevertDialog(HWND parent, const RevertChoices& choices);

// 506 for list: true when the new options were applied.
bool RunEncryptionOptionsDialog(HWND parent, BookmarkList& list);

// "Save Copy": a file name for the copy (default extension "bkl").
bool ChooseSaveCopyPath(HWND parent, const std::string& title, const std::string& folder,
                        const std::string& name, std::string* path);
// "Open/New": "Select or create bookmark list", an existing or a new name;
// a name typed without an extension gets ".bkl".
bool ChooseListPath(HWND parent, const std::string& folder, std::string* path);

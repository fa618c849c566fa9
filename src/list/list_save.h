// Saving a list: the backups, the temporary file, the atomic replace of the
// list file and the reopening; closing a list.
//
// A save writes the whole list to "~" + name in the list's folder, flushes
// it, and only then replaces the list file with it in one rename. If the
// program stops at any moment, the list file holds either its old or its
// new content; a "~" file left behind is never used without the user.
#pragma once

#include <cstdint>
#include <string>

#include "list/bookmark_list.h"
#include "list/list_host.h"
#include "list/list_result.h"

// SaveList results.
constexpr int kSaveOk = 0;
constexpr int kSaveReopenedReadOnly = 1;    // saved, but the file could not be locked again
constexpr int kSaveFileError = -3;          // lastError holds the system error
constexpr int kSaveEncryptionFailed = -12;  // the list's encryption has been reset

// The whole list into a new file at path, flushed and closed. 0, -3 (the
// system error in *error; the file is removed) or -12.
int WriteListFile(BookmarkList& list, const std::string& path, uint32_t* error);
// WriteListFile to the temporary name beside path, then the replace. The
// file at path is untouched on any failure; after a failed replace the
// temporary file keeps the written list.
int WriteListFileReplacing(BookmarkList& list, const std::string& path, uint32_t* error);

// Saves a writable list to its file. Nothing is done (0) for a read-only
// list. With makeBackups the automatic backups rotate first; a save that
// drops many live items first keeps the list file as the "Before large
// deletion" snapshot (deletion_guard.h). Returns
// kSaveOk, kSaveFileError, kSaveEncryptionFailed or kSaveReopenedReadOnly.
// The list's file is locked again afterwards, also after a failed replace.
// With a host, writing the temporary file or the replace, refused because
// another program holds a file, is tried again for about a second and a
// half, waiting through the host.
int SaveList(BookmarkList& list, bool makeBackups, ListHost* host = nullptr);

// Opens the list's file again for reading and writing with other writers
// denied, without reading it: ReadWrite, ReadOnly (the lock is taken by
// another), NotFound or CannotOpen (lastError set).
ListResult ReopenListFile(BookmarkList& list);

// Without flush: releases the file. With flush: waits for a running site
// check, flushes and releases the file and resets the list to the empty
// state (no path, options, password or key). 0 or the system error.
uint32_t CloseList(BookmarkList& list, bool flush, ListHost* host = nullptr);

// The three automatic backups beside a list file: "Autobackup of " (recent,
// at most an hour old), "Autobackup (older) of " (refreshed from the recent
// one at most once a day) and "Autobackup (oldest) of " (what the older one
// held before).
#pragma once

#include <cstdint>
#include <string>

#include "list/bookmark_list.h"

constexpr uint32_t kRecentBackupSeconds = 3600;
constexpr uint32_t kOlderBackupSeconds = 86400;

// Run before the list file is replaced by a save: when the recent backup is
// missing or more than an hour old, first (when the older one is missing or
// more than a day old) older -> oldest and recent -> older, then the list
// file -> recent. Each copy gets now as its last-write time, so that the
// ages count from the copying. Failures are ignored.
void RotateBackups(const std::string& listPath, uint32_t now);

// Copies a file whole, readable while another handle holds it open for
// writing, and sets the copy's last-write time. The copy is written to "~"
// + its name and renamed into place, so that to holds its old or its new
// content at every moment. 0 or the system error.
uint32_t CopyFileStamped(const std::string& from, const std::string& to, uint32_t time);

// After encryption was switched on or its password changed: each automatic
// backup, and the snapshot kept before a large deletion, is loaded (with
// the list's earlier or current password where it is encrypted), given the
// list's options and password and written back in place, keeping its
// last-write time. A backup that cannot be rewritten is removed when it may
// hold passwords in plain text (it is not encrypted or cannot be read); one
// encrypted under an unknown password stays.
void RewriteBackups(BookmarkList& list);

// "&Merge ...": the items of another list file appended to a list, copied
// the way marked items are copied from another open list (new IDs, the
// site passwords carried over into this list's encryption), without the
// other list's SmartFolders.
#pragma once

#include <functional>
#include <string>

#include "list/bookmark_list.h"

constexpr int kMergeUnreadable = -1;  // a file is no readable list file
constexpr int kMergeFull = -2;        // the list has no room; nothing was changed
constexpr int kMergeCancelled = -3;   // a password was asked for and not given
constexpr int kMergeFailed = -4;      // a password could not be converted, or no memory
constexpr int kMergeNotSaved = -5;    // merged, but the list file could not be written

// Asks for the password of the encrypted list file at path; false when the
// user cancelled. Asked again while the password is wrong.
using MergePasswordPrompt = std::function<bool(const std::string& path, std::string* password)>;

// Appends every category of the list file at sourcePath, with its
// subcategories and bookmarks, after the last category of list. The
// number of items appended, or kMerge...
int MergeListFile(BookmarkList& list, const std::string& sourcePath,
                  const MergePasswordPrompt& askPassword);
// The same into a list file that is not open: read, merged and saved with
// its backups.
int MergeIntoListFile(const std::string& listPath, const std::string& sourcePath,
                      const MergePasswordPrompt& askPassword);

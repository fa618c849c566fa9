// The two questions of editing whose answers are more than yes or no:
// deleting a bookmark that occurs more than once (dialog 505) and adding a
// bookmark whose address the list already holds (dialog 533).
#pragma once

#include <windows.h>

#include <string>

enum DeleteBookmarkChoice {
  kDeleteCancelled = 0,
  kDeleteAllInstances,
  kDeleteThisInstance,
  kDeleteShowInstances,  // the user asked to see the instances first
};

// Captioned "Delete '<title>'".
DeleteBookmarkChoice AskDeleteBookmark(HWND owner, const std::string& title);

enum DuplicateBookmarkChoice {
  kDuplicateCancelled = 0,
  kDuplicateCreateAlias,
  kDuplicateCreateNew,
  kDuplicateShow,
};

DuplicateBookmarkChoice AskDuplicateBookmark(HWND owner);

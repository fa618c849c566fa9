// The crash test of saving: a list of 10,000 bookmarks is saved by another
// process that is killed at a random moment; afterwards the list file must
// hold exactly the old or the new content.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "list/bookmark_list.h"

namespace listtest {

constexpr int kCrashListBookmarks = 10000;
constexpr uint32_t kCrashClock = 1650000000;

struct CrashFiles {
  std::string path;      // the list file
  std::string oldBytes;  // its content before the save
  std::string newBytes;  // its content after the save
};

// Writes the list and works out what the save will write.
CrashFiles PrepareCrashFiles(const std::string& folder);
// Puts the old content back and removes what a save leaves beside it.
void ResetCrashFiles(const CrashFiles& files);
// The list as the saving side holds it before saving: loaded and changed,
// its file not open yet.
std::unique_ptr<BookmarkList> LoadForCrashTest(const std::string& path);
// The saving side: locks the list's file, calls ready() and saves. Returns
// 0 when the save succeeded.
int SaveForCrashTest(BookmarkList& list, void (*ready)());

enum class CrashOutcome { kOld, kNew, kBroken };
CrashOutcome CheckCrashOutcome(const CrashFiles& files);

}  // namespace listtest

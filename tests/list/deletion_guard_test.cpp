#include "list/deletion_guard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "list/encryption.h"
#include "list/list_delete.h"
#include "list/list_edit.h"
#include "list/list_paths.h"
#include "list/list_save.h"
#include "platform/platform.h"
#include "support/list_test_support.h"
#include "support/sample_lists.h"

using listtest::OpenListFile;
using listtest::ReadBytes;

namespace {

// The live bookmarks of the outline that are not aliases, in order.
std::vector<uint16_t> Bookmarks(const BookmarkList& list) {
  std::vector<uint16_t> found;
  for (uint16_t i = list.Next(kRootIndex, true); i != kRootIndex; i = list.Next(i, true))
    if (!list.IsAlias(i) && (list.Link(i).flags & kFlagBookmark) != 0) found.push_back(i);
  return found;
}

// Deletes the last count bookmarks (the first one has an alias, which
// would inherit it).
void DeleteLastBookmarks(BookmarkList& list, int count) {
  std::vector<uint16_t> bookmarks = Bookmarks(list);
  for (int n = 0; n < count; ++n)
    ASSERT_EQ(DeleteItem(list, bookmarks[bookmarks.size() - 1 - n], false, false), kEditOk);
}

bool Exists(const std::string& path) { return platform::FileExists(path.c_str()); }

// A sample list of bookmarks, the whole list encrypted when password is not
// empty, saved once so that its file is as the program writes it.
std::unique_ptr<BookmarkList> SavedSample(const std::string& path, int bookmarks,
                                          const std::string& password) {
  listtest::WriteSampleFile(path, bookmarks);
  auto list = OpenListFile(path);
  if (!password.empty()) SetEncryption(*list, kEncryptWholeList, password);
  list->modified = true;
  EXPECT_EQ(SaveList(*list, true), kSaveOk);
  return list;
}

TEST(DeletionGuard, ASaveThatLosesManyItemsKeepsTheFileBeforeIt) {
  struct Row {
    const char* name;
    int bookmarks;  // with a category and a subcategory for every 50
    int deleted;    // bookmarks deleted before the save
    const char* password;
    bool snapshot;
  };
  const Row rows[] = {
      {"a fifth of 22 items is 4.4: 5 lost is large", 20, 5, "", true},
      {"4 of 22 lost is not", 20, 4, "", false},
      {"1,001 of 10,400 lost is large by count", 10000, 1001, "", true},
      {"1,000 of 10,400 lost is not", 10000, 1000, "", false},
      {"an encrypted list keeps an encrypted snapshot", 20, 10, "secret", true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    listtest::TempFolder folder;
    const std::string path = folder.Path("Guarded.bkl");
    const std::string snapshot = BackupPath(path, BackupKind::kBeforeLargeDeletion);
    auto list = SavedSample(path, row.bookmarks, row.password);
    const uint32_t live = static_cast<uint32_t>(row.bookmarks + 2 * ((row.bookmarks + 49) / 50));
    EXPECT_EQ(list->liveItemsSaved, live);
    const std::string before = ReadBytes(path);
    DeleteLastBookmarks(*list, row.deleted);
    ASSERT_EQ(SaveList(*list, true), kSaveOk);
    ASSERT_EQ(Exists(snapshot), row.snapshot);
    EXPECT_EQ(list->liveItemsSaved, live - static_cast<uint32_t>(row.deleted));
    if (!row.snapshot) continue;
    EXPECT_EQ(ReadBytes(snapshot), before);
    if (*row.password) {
      EXPECT_EQ(ReadBytes(snapshot).find("Site 1"), std::string::npos);
      auto reopened = OpenListFile(snapshot, row.password);
      EXPECT_EQ(CountLiveItems(*reopened), live);
      reopened->file.Close();
    }
    // The yardstick moved with the save: the next small save keeps the
    // snapshot as it is.
    DeleteLastBookmarks(*list, 1);
    ASSERT_EQ(SaveList(*list, true), kSaveOk);
    EXPECT_EQ(ReadBytes(snapshot), before);
    list->file.Close();
  }
}

TEST(DeletionGuard, PurgingDeletedItemsIsNoDeletionAndOneSnapshotIsKept) {
  listtest::TempFolder folder;
  const std::string path = folder.Path("Purged.bkl");
  const std::string snapshot = BackupPath(path, BackupKind::kBeforeLargeDeletion);
  auto list = SavedSample(path, 40, "");
  DeleteLastBookmarks(*list, 20);
  ASSERT_EQ(SaveList(*list, true), kSaveOk);
  ASSERT_TRUE(Exists(snapshot));
  platform::RemoveFile(snapshot.c_str());

  // The deleted items leave the file, the live ones stay.
  const std::string withDeleted = ReadBytes(path);
  PurgeDeleted(*list);
  ASSERT_EQ(SaveList(*list, true), kSaveOk);
  EXPECT_LT(ReadBytes(path).size(), withDeleted.size());
  EXPECT_FALSE(Exists(snapshot));

  // A second large deletion replaces the snapshot: there is only one.
  DeleteLastBookmarks(*list, 10);
  const std::string beforeSecond = ReadBytes(path);
  ASSERT_EQ(SaveList(*list, true), kSaveOk);
  EXPECT_EQ(ReadBytes(snapshot), beforeSecond);
  list->file.Close();
}

}  // namespace

#include "list/list_save.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "list/encryption.h"
#include "list/list_file.h"
#include "list/list_paths.h"
#include "platform/platform.h"
#include "support/list_test_support.h"
#include "support/sample_lists.h"

using listtest::OpenListFile;
using listtest::ReadBytes;
using listtest::TempFolder;

namespace {

bool LockedAgainstWriters(const std::string& path) {
  platform::File other;
  return other.Open(path.c_str(), platform::FileAccess::kReadWrite) ==
         platform::kErrorSharingViolation;
}

void Rename(BookmarkList& list, const std::string& title) {
  BookmarkItem& record =
      list.Decode(list.Next(list.Next(list.Next(kRootIndex, false), false), false), false);
  record.title = title;
  record.changed = 1;
}

TEST(SaveList, ReplacesTheFileAndKeepsItLocked) {
  TempFolder folder;
  const std::string path = folder.Path("Saved.bkl");
  listtest::WriteSampleFile(path, 3);
  auto list = OpenListFile(path);
  list->clock = [] { return 1700000000u; };
  ASSERT_TRUE(LockedAgainstWriters(path));
  Rename(*list, "Renamed");
  ASSERT_EQ(SaveList(*list, false), kSaveOk);
  EXPECT_FALSE(list->modified);
  EXPECT_EQ(list->lastSaveTime, 1700000000u);
  EXPECT_FALSE(list->readOnly);
  EXPECT_TRUE(LockedAgainstWriters(path));
  EXPECT_FALSE(platform::FileExists(TemporarySavePath(path).c_str()));
  EXPECT_FALSE(platform::FileExists(BackupPath(path, BackupKind::kRecent).c_str()));
  EXPECT_EQ(ReadBytes(path), listtest::Render(*list));
  EXPECT_NE(ReadBytes(path).find("Renamed"), std::string::npos);
}

TEST(SaveList, FailuresLeaveTheListFileAsItWas) {
  TempFolder folder;
  const std::string path = folder.Path("Kept.bkl");
  const std::string original = listtest::WriteSampleFile(path, 3);

  // A read-only list is not written at all.
  auto list = OpenListFile(path);
  list->readOnly = true;
  Rename(*list, "Changed");
  EXPECT_EQ(SaveList(*list, true), kSaveOk);
  EXPECT_EQ(ReadBytes(path), original);

  // The temporary file cannot be made: a folder is in its place.
  list->readOnly = false;
  ASSERT_EQ(platform::CreateFolder(TemporarySavePath(path).c_str()), 0u);
  EXPECT_EQ(SaveList(*list, true), kSaveFileError);
  EXPECT_NE(list->lastError, 0u);
  EXPECT_TRUE(list->modified);
  EXPECT_EQ(ReadBytes(path), original);
  EXPECT_TRUE(LockedAgainstWriters(path));
  std::remove(TemporarySavePath(path).c_str());

  // Whole-list encryption without a key: the encryption is reset, nothing
  // is written, and the next save writes the list plain.
  SetEncryption(*list, kEncryptWholeList, "pw");
  EncryptionOf(*list).ClearKey(0);
  EXPECT_EQ(SaveList(*list, false), kSaveEncryptionFailed);
  EXPECT_EQ(list->encryptionOptions, 0u);
  EXPECT_EQ(ReadBytes(path), original);
  EXPECT_FALSE(platform::FileExists(TemporarySavePath(path).c_str()));
  EXPECT_EQ(SaveList(*list, false), kSaveOk);
  EXPECT_NE(ReadBytes(path).find("Changed"), std::string::npos);
}

TEST(SaveList, AListThatLostItsLockTakesItBackFirst) {
  TempFolder folder;
  const std::string path = folder.Path("Relock.bkl");
  listtest::WriteSampleFile(path, 2);
  auto list = OpenListFile(path);
  list->file.Close();
  Rename(*list, "After");
  {
    platform::File holder;  // another writer holds the file meanwhile
    ASSERT_EQ(holder.Open(path.c_str(), platform::FileAccess::kReadWrite), 0u);
    EXPECT_EQ(SaveList(*list, false), kSaveFileError);
    EXPECT_EQ(list->lastError, platform::kErrorSharingViolation);
  }
  EXPECT_EQ(SaveList(*list, false), kSaveOk);
  EXPECT_TRUE(LockedAgainstWriters(path));
}

TEST(CloseList, FlushEmptiesTheList) {
  TempFolder folder;
  const std::string path = folder.Path("Closed.bkl");
  listtest::WriteSampleFile(path, 2);
  auto list = OpenListFile(path);
  SetEncryption(*list, kEncryptSitePasswords, "pw");
  EXPECT_EQ(CloseList(*list, false), 0u);
  EXPECT_FALSE(list->file.IsOpen());
  EXPECT_EQ(list->path, path);
  EXPECT_EQ(CloseList(*list, true), 0u);
  EXPECT_TRUE(list->path.empty());
  EXPECT_EQ(list->encryptionOptions, 0u);
  EXPECT_TRUE(list->password.empty());
  EXPECT_FALSE(EncryptionOf(*list).HasKey(0));
  EXPECT_EQ(list->itemCount, 0);
}

}  // namespace

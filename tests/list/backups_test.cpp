#include "list/backups.h"

#include <gtest/gtest.h>

#include <string>

#include "list/encryption.h"
#include "list/list_paths.h"
#include "list/list_save.h"
#include "support/list_test_support.h"
#include "support/sample_lists.h"

using listtest::FindTitle;
using listtest::OpenListFile;
using listtest::ReadBytes;
using listtest::TempFolder;
using listtest::WriteBytes;

namespace {

constexpr uint32_t kStart = 1600000000;

bool Exists(const std::string& path) { return platform::FileExists(path.c_str()); }

// Renames the first bookmark ("Site 0") to "v<version>", so every save
// writes something new.
void Edit(BookmarkList& list, int version) {
  uint16_t first = list.Next(list.Next(list.Next(kRootIndex, false), false), false);
  BookmarkItem& record = list.Decode(first, false);
  record.title = "v" + std::to_string(version);
  record.changed = 1;
  list.EncodeCurrentIfChanged();
}

TEST(Backups, RotationFollowsTheHourAndTheDay) {
  TempFolder folder;
  const std::string path = folder.Path("Rotating.bkl");
  listtest::WriteSampleFile(path, 3);
  auto list = OpenListFile(path);
  uint32_t now = kStart;
  list->clock = [&now] { return now; };
  const std::string recent = BackupPath(path, BackupKind::kRecent);
  const std::string older = BackupPath(path, BackupKind::kOlder);
  const std::string oldest = BackupPath(path, BackupKind::kOldest);

  std::vector<std::string> saved = {ReadBytes(path)};  // saved[n]: the file after save n
  auto check = [&](int r, int o, int x) {
    EXPECT_EQ(Exists(recent) ? ReadBytes(recent) : "", r < 0 ? "" : saved[static_cast<size_t>(r)]);
    EXPECT_EQ(Exists(older) ? ReadBytes(older) : "", o < 0 ? "" : saved[static_cast<size_t>(o)]);
    EXPECT_EQ(Exists(oldest) ? ReadBytes(oldest) : "", x < 0 ? "" : saved[static_cast<size_t>(x)]);
  };
  auto save = [&](uint32_t at) {
    now = kStart + at;
    Edit(*list, static_cast<int>(saved.size()));
    ASSERT_EQ(SaveList(*list, true), kSaveOk);
    saved.push_back(ReadBytes(path));
  };
  save(0);  // save 1: the original file becomes the recent backup
  check(0, -1, -1);
  EXPECT_EQ(platform::FileLastWriteTime(recent.c_str()), kStart);
  save(600);  // save 2, within the hour: the recent backup stays
  check(0, -1, -1);
  save(3601);  // save 3: older is missing, so recent -> older, list -> recent
  check(2, 0, -1);
  save(3601 + 3601);  // save 4: older is young, only recent is refreshed
  check(3, 0, -1);
  save(3601 + 86401);  // save 5: the first save of a day shifts older -> oldest
  check(4, 3, 0);
  save(3601 + 86401 + 10);  // save 6: nothing moves
  check(4, 3, 0);
  EXPECT_FALSE(Exists(TemporarySavePath(path)));
}

TEST(Backups, SwitchingEncryptionOnRewritesTheBackupsEncrypted) {
  TempFolder folder;
  const std::string path = folder.Path("Vault.bkl");
  listtest::WriteSampleFile(path, 3);
  auto list = OpenListFile(path);
  uint32_t now = kStart;
  list->clock = [&now] { return now; };
  Edit(*list, 1);
  ASSERT_EQ(SaveList(*list, true), kSaveOk);  // recent: the plain original
  now += 4000;
  Edit(*list, 2);
  ASSERT_EQ(SaveList(*list, true), kSaveOk);  // older: the plain original, recent: save 1
  const std::string recent = BackupPath(path, BackupKind::kRecent);
  const std::string older = BackupPath(path, BackupKind::kOlder);
  const std::string oldest = BackupPath(path, BackupKind::kOldest);
  ASSERT_NE(ReadBytes(recent).find("pass1word"), std::string::npos);
  WriteBytes(oldest, "not a list, but maybe pass1word");
  const uint32_t recentTime = platform::FileLastWriteTime(recent.c_str());

  now += 60;
  SetEncryption(*list, kEncryptSitePasswords, "pw");
  ASSERT_EQ(SaveList(*list, true), kSaveOk);
  for (const std::string& backup : {path, recent, older})
    EXPECT_EQ(ReadBytes(backup).find("pass1word"), std::string::npos) << backup;
  EXPECT_FALSE(Exists(oldest));  // unreadable and possibly plain: removed
  EXPECT_EQ(platform::FileLastWriteTime(recent.c_str()), recentTime);
  // Each keeps its own content, now under the password.
  auto older1 = OpenListFile(older, "pw");
  EXPECT_NE(FindTitle(*older1, "Site 0"), 0);
  auto recent1 = OpenListFile(recent, "pw");
  EXPECT_NE(FindTitle(*recent1, "v1"), 0);
  BookmarkItem site2;
  recent1->DecodeInto(FindTitle(*recent1, "Site 2"), false, &site2);
  EXPECT_EQ(GetSitePassword(*recent1, site2), "pass2word");
  older1->file.Close();
  recent1->file.Close();

  // A new password: the backups follow; whole-list encryption too.
  now += 60;
  SetEncryption(*list, kEncryptSitePasswords | kEncryptWholeList, "pw2");
  ASSERT_EQ(SaveList(*list, true), kSaveOk);
  auto recent2 = OpenListFile(recent, "pw2");
  EXPECT_EQ(recent2->encryptionOptions, 3u);
  EXPECT_NE(FindTitle(*recent2, "v1"), 0);
  EXPECT_EQ(ReadBytes(recent).find("v1"), std::string::npos);
}

TEST(Backups, BackupUnderAnUnknownPasswordStays) {
  TempFolder folder;
  const std::string path = folder.Path("Mixed.bkl");
  listtest::WriteSampleFile(path, 2);
  const std::string oldest = BackupPath(path, BackupKind::kOldest);
  {
    listtest::WriteSampleFile(oldest, 2);
    auto other = OpenListFile(oldest);
    SetEncryption(*other, kEncryptSitePasswords, "unknown");
    ASSERT_EQ(SaveList(*other, false), kSaveOk);
  }
  const std::string before = ReadBytes(oldest);
  auto list = OpenListFile(path);
  SetEncryption(*list, kEncryptSitePasswords, "pw");
  ASSERT_EQ(SaveList(*list, true), kSaveOk);
  EXPECT_EQ(ReadBytes(oldest), before);
}

}  // namespace

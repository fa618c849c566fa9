#include "list/list_paths.h"

#include <gtest/gtest.h>

TEST(ListPaths, NamesBesideTheList) {
  const std::string list = "C:\\Lists\\My.Work.bkl";
  EXPECT_EQ(BackupPath(list, BackupKind::kRecent), "C:\\Lists\\Autobackup of My.Work.bkl");
  EXPECT_EQ(BackupPath(list, BackupKind::kOlder), "C:\\Lists\\Autobackup (older) of My.Work.bkl");
  EXPECT_EQ(BackupPath(list, BackupKind::kOldest), "C:\\Lists\\Autobackup (oldest) of My.Work.bkl");
  EXPECT_EQ(TemporarySavePath(list), "C:\\Lists\\~My.Work.bkl");
  EXPECT_EQ(TemporarySavePath("Bare.bkl"), "~Bare.bkl");
  EXPECT_EQ(ListNameFromPath(list), "My.Work");
  EXPECT_EQ(ListNameFromPath("/x/.bkl"), ".bkl");
  EXPECT_TRUE(SamePath("C:\\Lists\\WORK.bkl", "c:\\lists\\work.BKL"));
  EXPECT_FALSE(SamePath("C:\\Lists\\Work.bkl", "C:\\Lists\\Work2.bkl"));
}

TEST(ListPaths, AnsiCopyNames) {
  const struct {
    const char* path;
    int attempt;
    const char* expected;
  } cases[] = {
      {"C:\\Lists\\Work.bkl", 0, "C:\\Lists\\Work (ANSI).bkl"},
      {"C:\\Lists\\Work.bkl", 1, "C:\\Lists\\Work (ANSI) #1.bkl"},
      {"C:\\Lists\\Work.bkl", 12, "C:\\Lists\\Work (ANSI) #12.bkl"},
      {"C:\\Lists\\Work", 0, "C:\\Lists\\Work (ANSI).bkl"},
      // Only a dot in the file name starts an extension.
      {"C:\\My.Lists\\Work", 0, "C:\\My.Lists\\Work (ANSI).bkl"},
      {"C:\\Lists\\Work.old.txt", 0, "C:\\Lists\\Work.old (ANSI).bkl"},
  };
  for (const auto& c : cases) EXPECT_EQ(AnsiCopyPath(c.path, c.attempt), c.expected) << c.path;
}

TEST(ListPaths, ListExtensionOnlyWhereTheNameHasNone) {
  const struct {
    const char* path;
    const char* expected;
  } cases[] = {
      {"C:\\Lists\\Work Links", "C:\\Lists\\Work Links.bkl"},
      {"C:\\Lists\\Work.bkl", "C:\\Lists\\Work.bkl"},
      {"C:\\Lists\\Work.txt", "C:\\Lists\\Work.txt"},
      {"C:\\My.Lists\\Work", "C:\\My.Lists\\Work.bkl"},
      {"C:\\Lists\\.hidden", "C:\\Lists\\.hidden.bkl"},
  };
  for (const auto& c : cases) EXPECT_EQ(WithListExtension(c.path), c.expected) << c.path;
}

TEST(ListPaths, CorruptedCopyUsesLocalTime) {
  // The tests run with TZ=UTC.
  EXPECT_EQ(CorruptedCopyPath("/l/Work.bkl", 1706720700u),
            "/l/Autobackup (corrupted 2024-01-31 17.05) of Work.bkl");
}

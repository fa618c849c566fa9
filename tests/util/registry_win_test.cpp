#include "util/registry_win.h"

#include <gtest/gtest.h>

#include "support/registry_snapshot_win.h"
#include "util/number_text.h"
#include "util/privilege_win.h"

namespace {

// A scratch key of this test process, removed afterwards.
class RegistryHelpers : public ::testing::Test {
 protected:
  void SetUp() override {
    subkey_ = "Software\\Velloxsoft\\RegistryTest-" + NumberText(GetCurrentProcessId());
    ASSERT_TRUE(key_.Create(HKEY_CURRENT_USER, subkey_.c_str()));
  }
  void TearDown() override {
    key_.Close();
    RegistrySnapshot::DeleteTree(HKEY_CURRENT_USER, subkey_);
  }
  bool ValueExists(const char* subkey, const char* name) {
    ScopedRegKey key;
    return key.Open(key_.Get(), subkey, KEY_READ) &&
           RegQueryValueExA(key.Get(), name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
  }
  bool SubkeyExists(const char* subkey) {
    ScopedRegKey key;
    return key.Open(key_.Get(), subkey, KEY_READ);
  }

  std::string subkey_;
  ScopedRegKey key_;
};

const char* const kColumns[] = {"", "Path", "Start"};

}  // namespace

TEST_F(RegistryHelpers, TablesRoundTripAndShrink) {
  RegistryTable table;
  table.rows = {{"First", "C:\\a.bkl", "0"}, {"Second", "", "7"}, {"Third", "b.bkl"}};
  table.hasIndex = true;
  table.index = 2;
  ASSERT_TRUE(RegWriteTable(key_.Get(), "Lists", kColumns, 3, table));
  // The name column is the entry's default value.
  EXPECT_EQ(RegReadString(key_.Get(), "Lists\\1", ""), "Second");
  EXPECT_EQ(RegReadString(key_.Get(), "Lists\\0", "Path"), "C:\\a.bkl");

  RegistryTable read;
  ASSERT_EQ(RegReadTable(key_.Get(), "Lists", kColumns, 3, &read), 3);
  table.rows[2].push_back("");  // a short row is written with empty columns
  EXPECT_EQ(read.rows, table.rows);
  EXPECT_TRUE(read.hasIndex);
  EXPECT_EQ(read.index, 2u);

  // Saving fewer entries removes the surplus numbered subkeys.
  table.rows.resize(1);
  table.hasIndex = false;
  ASSERT_TRUE(RegWriteTable(key_.Get(), "Lists", kColumns, 3, table));
  EXPECT_TRUE(SubkeyExists("Lists\\0"));
  EXPECT_FALSE(SubkeyExists("Lists\\1"));
  EXPECT_FALSE(SubkeyExists("Lists\\2"));
  ASSERT_EQ(RegReadTable(key_.Get(), "Lists", kColumns, 3, &read), 1);
  EXPECT_TRUE(read.hasIndex);  // the old "index" stays; only entries are trimmed

  EXPECT_EQ(RegReadTable(key_.Get(), "Missing", kColumns, 3, &read), -1);
}

TEST_F(RegistryHelpers, ReadingATableStopsAtAGap) {
  RegWriteString(key_.Get(), "Gap\\0", "", "zero");
  RegWriteString(key_.Get(), "Gap\\2", "", "two");
  RegistryTable read;
  ASSERT_EQ(RegReadTable(key_.Get(), "Gap", kColumns, 3, &read), 1);
  EXPECT_EQ(read.rows[0][0], "zero");
  EXPECT_EQ(read.rows[0][1], "");  // a missing column reads as empty
  EXPECT_FALSE(read.hasIndex);
}

TEST_F(RegistryHelpers, NumberedSetsWriteReadAndTrim) {
  const uint32_t colors[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  ASSERT_TRUE(RegWriteDwordSet(key_.Get(), "Colors", colors, 8, true));
  ASSERT_TRUE(RegWriteDwordSet(key_.Get(), "Colors", colors, 5, true));
  EXPECT_TRUE(ValueExists("Colors", "4"));
  EXPECT_FALSE(ValueExists("Colors", "5"));
  ASSERT_TRUE(RegWriteDwordSet(key_.Get(), "Keys", colors, 8, false));
  ASSERT_TRUE(RegWriteDwordSet(key_.Get(), "Keys", colors, 2, false));
  EXPECT_TRUE(ValueExists("Keys", "7"));  // without trimming the rest stays

  uint32_t read[8] = {};
  EXPECT_EQ(RegReadDwordSet(key_.Get(), "Colors", read, 8), 5);
  EXPECT_EQ(read[4], 5u);
  EXPECT_EQ(RegReadDwordSet(key_.Get(), "Keys", read, 3), 3);  // at most maxCount
  EXPECT_EQ(RegReadDwordSet(key_.Get(), "Missing", read, 8), 0);

  const Rect rects[2] = {{-4, 0, 640, 480}, {1, 2, 3, 4}};
  ASSERT_TRUE(RegWriteRectSet(key_.Get(), "WinPos", rects, 2, true));
  EXPECT_EQ(RegReadString(key_.Get(), "WinPos", "0"), "-4,0,640,480");
  RegWriteString(key_.Get(), "WinPos", "1", "garbage");
  Rect back[3] = {{}, {9, 9, 9, 9}, {7, 7, 7, 7}};
  EXPECT_EQ(RegReadRectSet(key_.Get(), "WinPos", back, 3), 1);
  EXPECT_EQ(back[0], rects[0]);
  EXPECT_EQ(back[1], (Rect{9, 9, 9, 9}));  // malformed: kept
  EXPECT_EQ(back[2], (Rect{7, 7, 7, 7}));  // missing: kept
}

TEST_F(RegistryHelpers, ValuesOfAnotherShapeAreNotTaken) {
  uint32_t word = 0x01904C12;
  ASSERT_TRUE(RegWriteBinary(key_.Get(), "Binary", &word, 4));
  uint8_t small[2];
  EXPECT_EQ(RegReadBinary(key_.Get(), "Binary", small, 2), -1);  // larger than the buffer
  std::string text = "untouched";
  EXPECT_FALSE(RegReadStringValue(key_.Get(), "Binary", &text));
  EXPECT_EQ(text, "untouched");
  uint32_t dword = 77;
  EXPECT_FALSE(RegReadDword(key_.Get(), "Missing", &dword));
  EXPECT_EQ(dword, 77u);
}

TEST(Privileges, EnableAndRestore) {
  PrivilegeToken token;
  bool enabled = EnablePrivilege(&token, "SeBackupPrivilege");
  ::testing::Test::RecordProperty("SeBackupPrivilege", enabled ? "enabled" : "refused");
  if (!enabled) std::printf("note: SeBackupPrivilege was refused (error %lu)\n", GetLastError());
  RestorePrivilege(&token);
  EXPECT_EQ(token.token, nullptr);

  PrivilegeToken bogus;
  if (WindowsMajorVersion() > 4) {
    EXPECT_FALSE(EnablePrivilege(&bogus, "SeNoSuchPrivilege"));
  }
  RestorePrivilege(&bogus);
  EXPECT_GE(WindowsMajorVersion(), 4);
}

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

#include "platform/platform.h"
#include "settings/settings_migration.h"
#include "settings/settings_store.h"
#include "support/registry_snapshot_win.h"
#include "support/temp_folder.h"
#include "util/registry_win.h"

namespace {

const std::string kUserKey = kSettingsKey;

std::string BackupOutcomeText(int outcome, uint32_t error) {
  switch (outcome) {
    case kBackupDone:
      return "done";
    case kBackupNoFile:
      return "no backup file";
    case kBackupPrivilegeRefused:
      return "privilege refused (error " + std::to_string(error) + ")";
    case kBackupHiveFailed:
      return "hive call refused (error " + std::to_string(error) + ")";
    default:
      return "outcome " + std::to_string(outcome);
  }
}

// Each test starts without the user's key and without a backup file in the
// data folder, and puts both back as they were afterwards.
class SettingsStore : public ::testing::Test {
 protected:
  SettingsStore() : userKey_(HKEY_CURRENT_USER, kUserKey) {}

  void SetUp() override {
    dataBackup_ = SettingsBackupFolder("") + kSettingsBackupName;
    hadBackup_ = platform::ReadWholeFile(dataBackup_.c_str(), &backupBytes_) == 0;
    RemoveUserState();
  }

  void TearDown() override {
    RemoveUserState();
    userKey_.Restore();
    if (hadBackup_) platform::WriteWholeFile(dataBackup_.c_str(), backupBytes_);
  }

  void RemoveUserState() {
    RegistrySnapshot::DeleteTree(HKEY_CURRENT_USER, kUserKey);
    SetFileAttributesA(dataBackup_.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(dataBackup_.c_str());
  }

  // The defaults as start-up has them: with the machine-wide values and the
  // application folder.
  Settings Fresh() const {
    Settings settings;
    settings.appFolder = app_.Path("");
    LoadMachineSettings(&settings);
    return settings;
  }

  // Every setting away from its default.
  Settings Rich() const {
    Settings s = Fresh();
    s.behaviourFlags = (kDefaultBehaviourFlags & ~0xFu) | 0x3 | 0x100;
    s.windowFlags = {kWindowKeepAtFront, kWindowNotesOpen};
    s.listBoxWidths = {180, 420};
    s.columnOrder.fill(0);
    s.columnOrder[0] = 2;
    s.columnOrder[1] = 4;
    s.columnOrder[2] = 22;
    s.columnWidths[0] = 11;
    s.columnWidths[1] = 22;
    s.columnWidths[2] = 333;
    s.listFolder = "C:\\Bookmark Lists";
    s.recentPeriod = 7;
    s.maxSmartItems = 40;
    s.quickLoginDelay = 500;
    s.simultaneousChecks = 3;
    s.fontFace = "Tahoma";
    s.fontSize = 85;
    for (int family = 0; family < kFamilyCount; ++family)
      for (int i = 0; i < kWinPosCount; ++i)
        s.windowPositions[family][i] = {family * 100 + i, -i, 500 + i, 400 + family};
    s.programHotKeys = {0x6BF, 0x646, 0, 0x64C};
    s.colors = {0x010203, 0x040506, 0x070809, 0x0A0B0C, 0x0D0E0F, 0x101112, 0x131415, 0xFFFFFF};
    s.lists = {{"Work", "C:\\Bookmark Lists\\Work.bkl", 0}, {"Home", "D:\\Home.bkl", 4294967295u}};
    s.currentListIndex = 1;
    s.browsers = {{"Firefox", "C:\\ff\\firefox.exe", "firefox", "DDE"},
                  {"Internet Explorer", "C:\\ie\\iexplore.exe -nohome", "iexplore", "COM"}};
    s.defaultBrowser = -1;  // none
    s.exchangeEntries = {{"Netscape HTML", "C:\\out\\bookmarks.html"}};
    s.exchangeIndex = 0;
    StoredSearchOptions options;
    options.bytes[9] = 1;
    options.bytes[11] = 4;
    s.searchPresets[1].match = "news";
    s.searchPresets.push_back({"Four stars", "", options});
    return s;
  }

  TempFolder app_;  // the application folder
  std::string dataBackup_;

 private:
  RegistrySnapshot userKey_;
  bool hadBackup_ = false;
  std::string backupBytes_;
};

uint32_t RawFlagWord(const char* name) {
  ScopedRegKey key;
  uint32_t word = 0;
  if (key.Open(HKEY_CURRENT_USER, kSettingsKey, KEY_READ)) RegReadBinary(key.Get(), name, &word, 4);
  return word;
}

bool UserValueExists(const char* name) {
  ScopedRegKey key;
  return key.Open(HKEY_CURRENT_USER, kSettingsKey, KEY_READ) &&
         RegQueryValueExA(key.Get(), name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

std::string UserSubkey(const char* name) { return kUserKey + "\\" + name; }

}  // namespace

TEST_F(SettingsStore, NothingStoredGivesTheDefaults) {
  Settings loaded = Fresh();
  EXPECT_FALSE(LoadSettings(&loaded));
  EXPECT_EQ(loaded, Fresh());
  ASSERT_EQ(loaded.searchPresets.size(), 2u);
  EXPECT_EQ(loaded.searchPresets[0].name, "Custom");
  EXPECT_EQ(loaded.searchPresets[1].name, "Simple");
}

TEST_F(SettingsStore, SaveThenLoadGivesTheSameSettings) {
  Settings saved = Rich();
  ASSERT_EQ(SaveSettings(saved, false), 0);
  Settings loaded = Fresh();
  ASSERT_TRUE(LoadSettings(&loaded));
  EXPECT_EQ(loaded, saved);
}

TEST_F(SettingsStore, StoredLayoutFollowsTheKeyFormat) {
  Settings saved = Rich();
  saved.behaviourFlags |= 0xF0000000;  // never written
  ASSERT_EQ(SaveSettings(saved, false), 0);
  EXPECT_EQ(RawFlagWord("Preferences"), saved.behaviourFlags & 0x0FFFFFFF);
  ScopedRegKey key;
  ASSERT_TRUE(key.Open(HKEY_CURRENT_USER, kSettingsKey, KEY_READ));
  uint8_t bytes[64];
  EXPECT_EQ(RegReadBinary(key.Get(), "Column Order", bytes, sizeof bytes), 3);
  EXPECT_EQ(RegReadBinary(key.Get(), "Column Widths", bytes, sizeof bytes), 6);
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, UserSubkey("Lists\\1").c_str(), ""), "Home");
  uint32_t index = 0;
  ScopedRegKey presets;
  ASSERT_TRUE(presets.Open(HKEY_CURRENT_USER, UserSubkey("Search Presets").c_str(), KEY_READ));
  EXPECT_FALSE(RegReadDword(presets.Get(), "index", &index));
}

TEST_F(SettingsStore, OlderLayoutsAreBroughtForward) {
  StoredSearchOptions old;
  old.bytes.fill(0);
  old.bytes[7] = 1;  // whole word only
  const struct {
    uint32_t extraBits;
    bool simpleGetsOld;
  } cases[] = {{0x40 | 0x1000 | 0x2000, false}, {0x80 | kOldSimpleUsesAdvanced, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.extraBits);
    RegistrySnapshot::DeleteTree(HKEY_CURRENT_USER, kUserKey);
    ScopedRegKey key;
    ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, kSettingsKey));
    uint32_t preferences = kDefaultBehaviourFlags | c.extraBits;
    RegWriteBinary(key.Get(), "Preferences", &preferences, 4);
    RegWriteString(key.Get(), nullptr, "WinPos Maxi", "10,20,800,600");
    RegWriteString(key.Get(), nullptr, "WinPos Checking", "30,40,400,300");
    RegWriteString(key.Get(), nullptr, "WinPos Mini", "1,2,3,4");
    const uint32_t sevenColors[7] = {1, 2, 3, 4, 5, 6, 7};
    RegWriteDwordSet(key.Get(), "Colors", sevenColors, 7, true);
    RegWriteBinary(key.Get(), "Search Options", old.bytes.data(), kSearchOptionsSize);
    key.Close();

    Settings loaded = Fresh();
    ASSERT_TRUE(LoadSettings(&loaded));
    EXPECT_EQ(loaded.behaviourFlags, kDefaultBehaviourFlags);
    uint32_t regular = c.extraBits & 0x40 ? kWindowKeepAtFront : 0;
    uint32_t compact = c.extraBits & 0x80 ? kWindowKeepAtFront : 0;
    if (c.extraBits & 0x1000) regular |= kWindowNotesOpen, compact |= kWindowNotesOpen;
    EXPECT_EQ(loaded.windowFlags[kFamilyRegular], regular);
    EXPECT_EQ(loaded.windowFlags[kFamilyCompact], compact);

    const Rect maxi{10, 20, 800, 600}, checking{30, 40, 31, 41}, mini{1, 2, 3, 4};
    EXPECT_EQ(loaded.windowPositions[kFamilyRegular][kWinPosMain], maxi);
    EXPECT_EQ(loaded.windowPositions[kFamilyCompact][kWinPosMain], mini);
    EXPECT_EQ(loaded.windowPositions[kFamilyRegular][kWinPosChecking], checking);
    EXPECT_EQ(loaded.windowPositions[kFamilyCompact][kWinPosChecking], checking);
    for (const char* name : {"WinPos Maxi", "WinPos Checking", "WinPos Mini"})
      EXPECT_FALSE(UserValueExists(name)) << name;

    EXPECT_EQ(loaded.colors, (std::array<uint32_t, 8>{1, 2, 3, 4, 0, 5, 6, 7}));
    EXPECT_EQ(loaded.searchPresets[0].options, old);
    EXPECT_EQ(loaded.searchPresets[1].options, c.simpleGetsOld ? old : StoredSearchOptions());

    // Saved again, the settings are in the new layout and read the same.
    ASSERT_EQ(SaveSettings(loaded, false), 0);
    Settings again = Fresh();
    ASSERT_TRUE(LoadSettings(&again));
    EXPECT_EQ(again, loaded);
  }
}

TEST_F(SettingsStore, OwnValuesWinOverOlderOnes) {
  ScopedRegKey key;
  ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, kSettingsKey));
  uint32_t preferences = kDefaultBehaviourFlags | 0x40 | 0x1000, regular = 0;
  RegWriteBinary(key.Get(), "Preferences", &preferences, 4);
  RegWriteBinary(key.Get(), "Prefs Regular", &regular, 4);
  StoredSearchOptions old;
  old.bytes.fill(0);
  RegWriteBinary(key.Get(), "Search Options", old.bytes.data(), kSearchOptionsSize);
  RegistryTable presets;
  presets.rows = {{"Custom", "", SearchOptionsText(StoredSearchOptions())}};
  const char* const columns[] = {"", "Match", "Options"};
  RegWriteTable(key.Get(), "Search Presets", columns, 3, presets);
  RegWriteDword(key.Get(), "Recent Period", 0);
  key.Close();

  Settings loaded = Fresh();
  ASSERT_TRUE(LoadSettings(&loaded));
  EXPECT_EQ(loaded.windowFlags[kFamilyRegular], 0u);
  EXPECT_EQ(loaded.windowFlags[kFamilyCompact], kWindowNotesOpen);
  EXPECT_EQ(loaded.searchPresets, Fresh().searchPresets);  // "Search Options" ignored
  EXPECT_EQ(loaded.recentPeriod, 0u);
  EXPECT_EQ(loaded.maxSmartItems, 25u);  // missing: default
  EXPECT_EQ(loaded.simultaneousChecks, kDefaultSimultaneousChecks);
}

TEST_F(SettingsStore, ListInsideTheApplicationFolderFollowsTheFolder) {
  TempFolder root;
  std::string oldApp = root.Path("Vellox Old");
  std::string newApp = root.Path("Vellox New");
  ASSERT_TRUE(CreateDirectoryA(oldApp.c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryA((oldApp + "\\Lists").c_str(), nullptr));
  ASSERT_EQ(platform::WriteWholeFile((oldApp + "\\Lists\\Mine.bkl").c_str(), "list"), 0u);
  std::string outside = root.Path("Outside.bkl");

  Settings saved = Fresh();
  saved.appFolder = oldApp + "\\";
  saved.listFolder = oldApp + "\\Lists";
  saved.lists = {{"Mine", oldApp + "\\Lists\\Mine.bkl", 0}, {"Outside", outside, 0}};
  ASSERT_EQ(SaveSettings(saved, false), 0);
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, UserSubkey("Lists\\0").c_str(), "Path"),
            "Lists\\Mine.bkl");
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, UserSubkey("Lists\\1").c_str(), "Path"), outside);
  EXPECT_EQ(RegReadString(HKEY_CURRENT_USER, kSettingsKey, "List Folder"), "Lists");
  EXPECT_EQ(saved.lists[0].path, oldApp + "\\Lists\\Mine.bkl");  // memory keeps absolute paths

  ASSERT_TRUE(MoveFileA(oldApp.c_str(), newApp.c_str()));
  Settings loaded = Fresh();
  loaded.appFolder = newApp + "\\";
  ASSERT_TRUE(LoadSettings(&loaded));
  EXPECT_EQ(loaded.lists[0].path, newApp + "\\Lists\\Mine.bkl");
  EXPECT_TRUE(platform::FileExists(loaded.lists[0].path.c_str()));
  EXPECT_EQ(loaded.lists[1].path, outside);
  EXPECT_EQ(loaded.listFolder, newApp + "\\Lists");
}

TEST_F(SettingsStore, LostKeyIsRestoredFromTheBackupFile) {
  Settings first = Rich();
  ASSERT_EQ(SaveSettings(first, true), 0);
  uint32_t error = 0;
  // A second backup over the first shows whether the backup works here and
  // that an existing file is replaced.
  Settings saved = first;
  saved.fontFace = "Verdana";
  saved.lists.push_back({"Third", "E:\\Third.bkl", 1});
  ASSERT_EQ(SaveSettings(saved, false), 0);
  int written = WriteSettingsBackup(app_.Path(""), &error);
  RecordProperty("backup_write", BackupOutcomeText(written, error));
  std::printf("note: writing the settings backup: %s\n", BackupOutcomeText(written, error).c_str());

  RegistrySnapshot::DeleteTree(HKEY_CURRENT_USER, kUserKey);
  Settings loaded = Fresh();
  bool read = LoadSettings(&loaded);
  Settings probe = Fresh();
  int restored = ReadSettingsBackup(&probe, &error);
  RecordProperty("backup_read", BackupOutcomeText(restored, error));
  std::printf("note: reading the settings backup: %s\n",
              BackupOutcomeText(restored, error).c_str());
  // The hive is never left loaded.
  ScopedRegKey hive;
  EXPECT_FALSE(hive.Open(HKEY_USERS, kBackupHiveName, KEY_READ));

  if (written == kBackupDone && restored == kBackupDone) {
    EXPECT_TRUE(read);
    EXPECT_EQ(loaded, saved);
  } else {
    // Where the system refuses the backup, the program goes on with defaults.
    EXPECT_FALSE(read);
    EXPECT_EQ(loaded, Fresh());
  }
}

TEST_F(SettingsStore, BackupInTheApplicationFolderIsFoundToo) {
  Settings saved = Rich();
  ASSERT_EQ(SaveSettings(saved, true), 0);
  if (!platform::FileExists(dataBackup_.c_str())) {
    RecordProperty("backup_write", "refused: nothing to look for");
    GTEST_SKIP() << "the system refused to write the settings backup";
  }
  std::string moved = app_.Path(kSettingsBackupName);
  ASSERT_TRUE(MoveFileA(dataBackup_.c_str(), moved.c_str()));
  EXPECT_EQ(FindSettingsBackup(app_.Path("")), moved);

  RegistrySnapshot::DeleteTree(HKEY_CURRENT_USER, kUserKey);
  Settings loaded = Fresh();
  ASSERT_TRUE(LoadSettings(&loaded));
  EXPECT_EQ(loaded, saved);
}

TEST_F(SettingsStore, DamagedBackupLeavesTheDefaults) {
  ASSERT_EQ(platform::WriteWholeFile(dataBackup_.c_str(), "not a hive\r\n"), 0u);
  Settings loaded = Fresh();
  EXPECT_FALSE(LoadSettings(&loaded));
  EXPECT_EQ(loaded, Fresh());
  ScopedRegKey hive;
  EXPECT_FALSE(hive.Open(HKEY_USERS, kBackupHiveName, KEY_READ));

  // A refused file must not block the next restore.
  Settings saved = Rich();
  ASSERT_EQ(SaveSettings(saved, true), 0);
  if (WriteSettingsBackup(app_.Path("")) != kBackupDone) GTEST_SKIP() << "backup refused here";
  RegistrySnapshot::DeleteTree(HKEY_CURRENT_USER, kUserKey);
  loaded = Fresh();
  ASSERT_TRUE(LoadSettings(&loaded));
  EXPECT_EQ(loaded, saved);
}

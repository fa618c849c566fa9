#include "settings/settings_migration.h"

#include <gtest/gtest.h>

TEST(SettingsMigration, WindowFlagsComeFromOldBehaviourBits) {
  const struct {
    uint32_t behaviour;
    uint32_t regular;
    uint32_t compact;
  } cases[] = {
      {0, 0, 0},
      {0x40, kWindowKeepAtFront, 0},
      {0x80, 0, kWindowKeepAtFront},
      {0x1000, kWindowNotesOpen, kWindowNotesOpen},
      {0x10C0, kWindowKeepAtFront | kWindowNotesOpen, kWindowKeepAtFront | kWindowNotesOpen},
      {0x2000 | kDefaultBehaviourFlags, 0, 0},  // bit 13 carries no window state
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WindowFlagsFromBehaviour(c.behaviour, kFamilyRegular), c.regular) << c.behaviour;
    EXPECT_EQ(WindowFlagsFromBehaviour(c.behaviour, kFamilyCompact), c.compact) << c.behaviour;
  }
  EXPECT_EQ(kMovedBehaviourBits, 0x30C0u);
  EXPECT_EQ(kDefaultBehaviourFlags & kMovedBehaviourBits, 0u);
}

TEST(SettingsMigration, OldPositionsFillBothFamilies) {
  Settings settings;
  Rect compactMain{1, 1, 2, 2};
  settings.windowPositions[kFamilyCompact][kWinPosTips] = {9, 9, 9, 9};

  Rect maxi{10, 20, 800, 600};
  ApplyOldWindowPosition(&settings, 0, maxi);  // "WinPos Maxi"
  EXPECT_EQ(settings.windowPositions[kFamilyRegular][kWinPosMain], maxi);
  EXPECT_EQ(settings.windowPositions[kFamilyCompact][kWinPosMain], maxi);

  // Dialogs keep only their top-left corner.
  ApplyOldWindowPosition(&settings, 3, {30, 40, 500, 700});  // "WinPos Search"
  Rect corner{30, 40, 31, 41};
  EXPECT_EQ(settings.windowPositions[kFamilyRegular][kWinPosSearch], corner);
  EXPECT_EQ(settings.windowPositions[kFamilyCompact][kWinPosSearch], corner);
  // Positions not migrated stay as they were.
  EXPECT_EQ(settings.windowPositions[kFamilyCompact][kWinPosTips], (Rect{9, 9, 9, 9}));

  // "WinPos Mini", applied last, owns the Compact main window.
  ApplyOldWindowPosition(&settings, 6, compactMain);
  EXPECT_EQ(settings.windowPositions[kFamilyCompact][kWinPosMain], compactMain);
  EXPECT_EQ(settings.windowPositions[kFamilyRegular][kWinPosMain], maxi);
  EXPECT_STREQ(kOldWinPosNames[0], "WinPos Maxi");
  EXPECT_STREQ(kOldWinPosNames[6], "WinPos Mini");
}

TEST(SettingsMigration, SevenColoursWidenToEightWithBlackText) {
  Settings settings;
  settings.colors = {1, 2, 3, 4, 5, 6, 7, 0xEEEEEE};
  ApplyColorsRead(&settings, 7);
  EXPECT_EQ(settings.colors, (std::array<uint32_t, 8>{1, 2, 3, 4, 0, 5, 6, 7}));

  for (int count : {0, 3, 8}) {
    Settings other;
    other.colors = {1, 2, 3, 4, 5, 6, 7, 8};
    ApplyColorsRead(&other, count);
    EXPECT_EQ(other.colors, (std::array<uint32_t, 8>{1, 2, 3, 4, 5, 6, 7, 8})) << count;
  }
}

TEST(SettingsMigration, OldSearchOptionsBecomePresets) {
  StoredSearchOptions old;
  old.bytes.fill(0);
  old.bytes[6] = 1;  // something unlike the defaults
  const StoredSearchOptions defaults;

  Settings plain;
  plain.behaviourFlags = kDefaultBehaviourFlags;
  ApplyOldSearchOptions(&plain, old);
  ASSERT_EQ(plain.searchPresets.size(), 2u);
  EXPECT_EQ(plain.searchPresets[0].options, old);
  EXPECT_EQ(plain.searchPresets[1].options, defaults);
  EXPECT_EQ(plain.searchPresets[0].name, "Custom");
  EXPECT_EQ(plain.searchPresets[1].name, "Simple");

  Settings shared;
  shared.behaviourFlags = kDefaultBehaviourFlags | kOldSimpleUsesAdvanced;
  ApplyOldSearchOptions(&shared, old);
  EXPECT_EQ(shared.searchPresets[0].options, old);
  EXPECT_EQ(shared.searchPresets[1].options, old);
  EXPECT_EQ(shared.behaviourFlags, kDefaultBehaviourFlags);
}

TEST(SettingsMigration, CurrentListIsClampedIntoTheList) {
  const struct {
    int lists;
    int index;
    int expected;
  } cases[] = {{0, 0, 0}, {0, 5, 0}, {0, -3, 0}, {3, 2, 2}, {3, 3, 2}, {3, -1, 0}, {3, 1000, 2}};
  for (const auto& c : cases) {
    Settings settings;
    settings.lists.resize(c.lists);
    settings.currentListIndex = c.index;
    ClampCurrentList(&settings);
    EXPECT_EQ(settings.currentListIndex, c.expected) << c.lists << " lists, index " << c.index;
  }
}

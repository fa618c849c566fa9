#include "settings/settings_migration.h"

#include <gtest/gtest.h>

// The registry side (old values read and deleted, seven colours, the older
// search options) is covered against the real registry in
// settings_store_win_test.cpp; these are the rules it leaves to the record.

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
      {0x2000 | kDefaultBehaviourFlags, 0, 0},  // bit 13 carries no window state
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WindowFlagsFromBehaviour(c.behaviour, kFamilyRegular), c.regular) << c.behaviour;
    EXPECT_EQ(WindowFlagsFromBehaviour(c.behaviour, kFamilyCompact), c.compact) << c.behaviour;
  }
  EXPECT_EQ(kDefaultBehaviourFlags & kMovedBehaviourBits, 0u);
}

TEST(SettingsMigration, OldPositionsTouchOnlyWhatTheyMigrate) {
  Settings settings;
  settings.windowPositions[kFamilyCompact][kWinPosTips] = {9, 9, 9, 9};
  ApplyOldWindowPosition(&settings, kWinPosSearch, {30, 40, 500, 700});
  // Dialogs keep only their top-left corner, in both families.
  EXPECT_EQ(settings.windowPositions[kFamilyRegular][kWinPosSearch], (Rect{30, 40, 31, 41}));
  EXPECT_EQ(settings.windowPositions[kFamilyCompact][kWinPosSearch], (Rect{30, 40, 31, 41}));
  EXPECT_EQ(settings.windowPositions[kFamilyCompact][kWinPosTips], (Rect{9, 9, 9, 9}));

  // Only a table of exactly seven colours is the older layout.
  for (int count : {0, 3, 8}) {
    settings.colors = {1, 2, 3, 4, 5, 6, 7, 8};
    ApplyColorsRead(&settings, count);
    EXPECT_EQ(settings.colors, (std::array<uint32_t, 8>{1, 2, 3, 4, 5, 6, 7, 8})) << count;
  }
}

TEST(SettingsMigration, CurrentListIsClampedIntoTheList) {
  const struct {
    int lists;
    int index;
    int expected;
  } cases[] = {{0, 0, 0}, {0, 5, 0}, {0, -3, 0}, {3, 2, 2}, {3, 3, 2}, {3, -1, 0}};
  for (const auto& c : cases) {
    Settings settings;
    settings.lists.resize(c.lists);
    settings.currentListIndex = c.index;
    ClampCurrentList(&settings);
    EXPECT_EQ(settings.currentListIndex, c.expected) << c.lists << " lists, index " << c.index;
  }
}

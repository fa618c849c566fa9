#include "settings/preference_values.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource.h"

namespace {

using prefs::ListWorkingCopy;

std::string Names(const ListWorkingCopy& lists) {
  std::string names;
  for (const KnownListEntry& entry : lists.Entries())
    names += (names.empty() ? "" : ",") + entry.name;
  return names;
}

TEST(PreferenceValues, PagesWriteWhatTheyShowAndTheirRules) {
  // Behavior: every box's bit travels both ways; the dock bits follow the
  // "A&uto-dock:" box and its side; the ranges hold.
  Settings settings;
  settings.behaviourFlags = (kDefaultBehaviourFlags & ~kBehaviourDockMask) | kBehaviourDockBelow;
  prefs::BehaviourValues behaviour = prefs::ReadBehaviourValues(settings);
  EXPECT_TRUE(behaviour.autoDock);
  EXPECT_TRUE(behaviour.dockBelow);
  for (const prefs::BehaviourBox& box : prefs::BehaviourBoxes()) {
    Settings changed = settings;
    prefs::BehaviourValues values = behaviour;
    values.behaviourFlags ^= box.bit;
    prefs::WriteBehaviourValues(values, &changed);
    EXPECT_EQ(changed.behaviourFlags, settings.behaviourFlags ^ box.bit) << box.controlId;
  }
  const struct {
    bool autoDock, below;
    uint32_t delay, checks;
    uint32_t dockBits, storedDelay, storedChecks;
  } dockCases[] = {
      {false, true, 350, 8, 0, 350, 8},  // clearing the box clears both bits
      {true, false, 0, 1, kBehaviourDockSide, 0, 1},
      {true, true, 5000, 0, kBehaviourDockBelow, 1000, 1},
      {false, false, 1000, 500, 0, 1000, prefs::kMaxSimultaneousChecks},
  };
  for (size_t i = 0; i < sizeof dockCases / sizeof dockCases[0]; ++i) {
    const auto& c = dockCases[i];
    Settings changed = settings;
    prefs::BehaviourValues values = behaviour;
    values.autoDock = c.autoDock;
    values.dockBelow = c.below;
    values.quickLoginDelay = c.delay;
    values.simultaneousChecks = c.checks;
    values.keepAtFront = {true, false};
    prefs::WriteBehaviourValues(values, &changed);
    EXPECT_EQ(changed.behaviourFlags & kBehaviourDockMask, c.dockBits) << i;
    EXPECT_EQ(changed.quickLoginDelay, c.storedDelay) << i;
    EXPECT_EQ(changed.simultaneousChecks, c.storedChecks) << i;
    EXPECT_TRUE(changed.HasWindowFlag(kFamilyRegular, kWindowKeepAtFront)) << i;
    EXPECT_FALSE(changed.HasWindowFlag(kFamilyCompact, kWindowKeepAtFront)) << i;
  }

  // Presentation: the custom font only with a face and a positive size.
  const struct {
    bool custom;
    const char* face;
    const char* size;
    bool customStored;
    uint32_t tenths;
  } fontCases[] = {
      {true, "Tahoma", "9.5", true, 95},   {true, "Tahoma", "", false, 0},
      {true, "", "10", false, 100},        {true, "Tahoma", "big", false, 0},
      {false, "Tahoma", "12", false, 120},
  };
  for (size_t i = 0; i < sizeof fontCases / sizeof fontCases[0]; ++i) {
    const auto& c = fontCases[i];
    Settings changed;
    prefs::PresentationValues values = prefs::ReadPresentationValues(changed);
    values.customFont = c.custom;
    values.fontFace = c.face;
    values.fontSizeText = c.size;
    prefs::WritePresentationValues(values, &changed);
    EXPECT_EQ(changed.HasBehaviour(kBehaviourCustomFont), c.customStored) << i;
    EXPECT_EQ(changed.fontSize, c.tenths) << i;
    if (c.tenths) EXPECT_EQ(prefs::FontSizeText(c.tenths), c.size) << i;
  }
  EXPECT_EQ(prefs::FontSizeText(0), "");
  EXPECT_EQ(prefs::DefaultColors()[4], 0x000000u);
  EXPECT_EQ(prefs::DefaultColors()[0], 0xD8E9ECu);
  EXPECT_EQ(prefs::DefaultHotKeys()[1], 0x646u);

  // Lists: reordering, removing and adding keep the current list tracked
  // and every old entry findable; the first incomplete entry is named.
  ListWorkingCopy lists({{"A", "C:\\a.bkl"}, {"B", "C:\\b.bkl"}, {"C", "C:\\c.bkl"}}, 1);
  lists.Move(0, 2);
  EXPECT_EQ(Names(lists), "B,C,A");
  EXPECT_EQ(lists.Tracked(), 0);
  EXPECT_EQ(lists.NewIndexOf(0), 2);
  lists.Move(2, 1);
  EXPECT_EQ(Names(lists), "B,A,C");
  lists.Remove(0);
  EXPECT_EQ(lists.Tracked(), -1);
  EXPECT_EQ(lists.NewIndexOf(1), -1);
  EXPECT_EQ(lists.NewIndexOf(2), 1);
  EXPECT_EQ(lists.FindIncomplete().messageId, 0);

  int added = lists.Append({});
  // A blank new entry given a path already listed becomes that entry.
  EXPECT_EQ(prefs::ChooseListPath(&lists, added, "c:\\C.BKL"), 1);
  EXPECT_EQ(Names(lists), "A,C");
  added = lists.Append({});
  EXPECT_EQ(prefs::ChooseListPath(&lists, added, "D:\\Lists\\Work.bkl"), 2);
  EXPECT_EQ(Names(lists), "A,C,Work");
  EXPECT_EQ(lists.NewIndexOf(-1), -1);

  const struct {
    const char* name;
    const char* path;
    int messageId;
    const char* argument;
  } entryCases[] = {
      {"", "D:\\x.bkl", IDS_ENTRY_NAME_MISSING, "D:\\x.bkl"},
      {"Named", "", IDS_ENTRY_PATH_MISSING, "Named"},
      {"", "", IDS_ENTRY_NAME_MISSING, ""},
  };
  for (const auto& c : entryCases) {
    ListWorkingCopy copy = lists;
    copy.At(2) = {c.name, c.path};
    const prefs::EntryProblem problem = copy.FindIncomplete();
    EXPECT_EQ(problem.messageId, c.messageId) << c.name << c.path;
    EXPECT_EQ(problem.index, 2);
    EXPECT_EQ(problem.argument, c.argument);
  }
}

}  // namespace

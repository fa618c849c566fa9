// The list shown before the current one, which Ctrl+Tab returns to.
#include <gtest/gtest.h>

#include <string>

#include "list/list_marks.h"
#include "list/list_slots.h"
#include "support/list_host_script.h"
#include "support/list_test_support.h"
#include "support/sample_lists.h"

namespace {

class PreviousList : public ::testing::Test {
 protected:
  std::string NewList(const std::string& name) {
    std::string path = folder.Path(name);
    listtest::WriteSampleFile(path, 3);
    return path;
  }
  Settings settings;
  listtest::ScriptedUser user;
  ListSlots slots{&settings, &user};
  listtest::TempFolder folder;
};

TEST_F(PreviousList, FollowsEachSwitchAndTheExchangeOfSlots) {
  ASSERT_TRUE(slots.OpenListByPath(NewList("A.bkl"), false));
  EXPECT_EQ(slots.previousListIndex, -1);
  ASSERT_TRUE(slots.OpenListByPath(NewList("B.bkl"), false));
  EXPECT_EQ(slots.currentListIndex, 1);
  EXPECT_EQ(slots.previousListIndex, 0);
  ASSERT_TRUE(slots.OpenKnownList(0, false));
  EXPECT_EQ(slots.previousListIndex, 1);
  // Reading the same list again is no switch.
  ASSERT_TRUE(slots.OpenKnownList(0, true));
  EXPECT_EQ(slots.previousListIndex, 1);

  // A list holding marks stays in the second slot; going back exchanges
  // the slots, and the list left is the previous one.
  Mark(*slots.currentList, slots.currentList->Next(0, true), 1, true, true);
  ASSERT_TRUE(slots.OpenKnownList(1, false));
  EXPECT_EQ(slots.markHoldingListIndex, 0);
  EXPECT_EQ(slots.previousListIndex, 0);
  ASSERT_TRUE(slots.OpenKnownList(0, false));
  EXPECT_EQ(slots.currentListIndex, 0);
  EXPECT_EQ(slots.previousListIndex, 1);
}

}  // namespace

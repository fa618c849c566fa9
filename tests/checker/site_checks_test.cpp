#include "checker/site_checks.h"

#include <gtest/gtest.h>

TEST(SiteChecks, KeepsOneRunPerOpenListAndDropsTheRunsOfClosedOrReplacedLists) {
  BookmarkList current, other, closed;
  current.path = "C:\\Lists\\Current.bkl";
  other.path = "C:\\Lists\\Other.bkl";
  SiteChecks checks;
  CheckRunOptions options;
  CheckRun& run = checks.RunFor(current, options);
  EXPECT_EQ(&checks.RunFor(current, options), &run);  // the same run again
  checks.RunFor(other, options);
  checks.RunFor(closed, options);

  checks.KeepOnly(&current, &other);
  EXPECT_EQ(checks.Find(&current), &run);
  EXPECT_NE(checks.Find(&other), nullptr);
  EXPECT_EQ(checks.Find(&closed), nullptr);
  EXPECT_EQ(checks.Find(nullptr), nullptr);
  EXPECT_FALSE(checks.AnyRunning(current));

  // The same object now holding another file is another list.
  other.path = "C:\\Lists\\Opened later.bkl";
  checks.KeepOnly(&current, &other);
  EXPECT_EQ(checks.Find(&other), nullptr);
  EXPECT_EQ(checks.Find(&current), &run);
}

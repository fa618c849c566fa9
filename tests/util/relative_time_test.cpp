#include "util/relative_time.h"

#include <gtest/gtest.h>

TEST(RelativeTime, ChoosesTheUnitAndRoundsToOneDecimal) {
  const uint32_t now = 1600000000;
  struct Case {
    int64_t ago;
    const char* text;
  } cases[] = {
      {0, "moments ago"},
      {59, "moments ago"},
      {-3600, "moments ago"},  // the future
      {60, "1.0 minutes ago"},
      {90, "1.5 minutes ago"},
      {3599, "60.0 minutes ago"},
      {3600, "1.0 hours ago"},
      {86399, "24.0 hours ago"},
      {86400, "1.0 days ago"},
      {45 * 86400, "1.5 months ago"},
      {2629799, "30.4 days ago"},
      {2629800, "1.0 months ago"},
      {400 * 86400, "1.1 years ago"},
      {31557600, "1.0 years ago"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(RelativeTimeTextAt(static_cast<uint32_t>(now - c.ago), now), c.text) << c.ago;
}

TEST(RelativeTime, NoTimeGivesNoText) {
  EXPECT_EQ(RelativeTimeTextAt(0, 1600000000), "");
  EXPECT_EQ(RelativeTimeText(0), "");
  EXPECT_EQ(RelativeTimeText(1), RelativeTimeTextAt(1, static_cast<uint32_t>(time(nullptr))));
}

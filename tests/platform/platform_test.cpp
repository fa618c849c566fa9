#include "platform_cases.h"

TEST(PlatformPosix, SlashIsASeparatorToo) {
  EXPECT_TRUE(platform::IsPathSeparator('/'));
  EXPECT_EQ(platform::LastSeparator("/tmp/lists\\My.bkl"), 10u);
}

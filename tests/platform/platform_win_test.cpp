#include "platform_cases.h"

TEST(PlatformWin, OnlyTheBackslashIsASeparator) {
  EXPECT_FALSE(platform::IsPathSeparator('/'));
  EXPECT_EQ(platform::StringResource(1), "");  // no such entry
}

#include "platform/platform.h"

#include <gtest/gtest.h>

TEST(Platform, AnsiRoundTripsThroughUtf8) {
  std::string ansi = "Caf\xE9 \x80 \x93quoted\x94";
  EXPECT_EQ(platform::Utf8ToAnsi(platform::AnsiToUtf8(ansi)), ansi);
}

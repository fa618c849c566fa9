#include "util/number_text.h"

#include <gtest/gtest.h>

#include <climits>

#include "util/rect.h"

TEST(NumberText, GivesDecimalDigitsWithSign) {
  const struct {
    long long n;
    const char* text;
  } cases[] = {
      {0, "0"},
      {7, "7"},
      {10, "10"},
      {-1, "-1"},
      {4294967295LL, "4294967295"},
      {LLONG_MIN, "-9223372036854775808"},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberText(c.n), c.text) << c.n;
}

TEST(RectText, RoundTripsAndRejectsShortText) {
  Rect rect{-8, 20, 1288, 1048};
  EXPECT_EQ(RectText(rect), "-8,20,1288,1048");
  Rect parsed;
  ASSERT_TRUE(ParseRectText("-8,20,1288,1048", &parsed));
  EXPECT_EQ(parsed, rect);

  Rect kept{1, 2, 3, 4};
  for (const char* bad : {"", "1,2,3", "a,b,c,d", "1;2;3;4"}) {
    EXPECT_FALSE(ParseRectText(bad, &kept)) << bad;
    EXPECT_EQ(kept, (Rect{1, 2, 3, 4})) << bad;
  }
  // A leading zero is decimal, not octal.
  ASSERT_TRUE(ParseRectText("010,0,0,0", &parsed));
  EXPECT_EQ(parsed.left, 10);
}

// The visit schedule dialog's choices: the entry proposed for every hour
// of a due time, and the repeat interval split and built back.
#include "view/visit_schedule.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(VisitSchedule, ProposesTheEntryOfEveryHour) {
  // Hours 0-23 -> the hour of the proposed entry.
  const int kProposed[24] = {0,  0,  0,  0,  4,  4,  6,  6,  8,  9,  10, 11,
                             12, 13, 14, 15, 16, 17, 18, 18, 20, 20, 22, 22};
  for (int hour = 0; hour < 24; ++hour) {
    SCOPED_TRACE(hour);
    EXPECT_EQ(ScheduleHourOfEntry(ScheduleEntryForHour(hour)), kProposed[hour]);
  }
  EXPECT_STREQ(ScheduleHourText(ScheduleEntryForHour(12)), "12:00 (midday)");
  EXPECT_EQ(ScheduledDueVisit(2030, 1, 15, ScheduleEntryForHour(22)) % 86400, 22u * 3600);
}

TEST(VisitSchedule, SplitsAndBuildsTheRepeatInterval) {
  const struct {
    const char* stored;
    bool repeats;
    const char* number;
    int unit;
    const char* rebuilt;
  } rows[] = {
      {"", false, "", 1, ""},        {"2w", true, "2", 2, "2w"}, {"1.5d", true, "1.5", 1, "1.5d"},
      {"12h", true, "12", 0, "12h"}, {"3y", true, "3", 4, "3y"}, {"3x", false, "", 1, ""},
      {"0m", true, "0", 3, ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.stored);
    const RepeatInterval interval = ParseRepeatInterval(row.stored);
    EXPECT_EQ(interval.repeats, row.repeats);
    EXPECT_EQ(interval.number, row.number);
    EXPECT_EQ(interval.unit, row.unit);
    EXPECT_EQ(RepeatIntervalText(interval.repeats, interval.number, interval.unit), row.rebuilt);
  }
  EXPECT_EQ(RepeatIntervalText(false, "5", 1), "");
  EXPECT_EQ(RepeatIntervalText(true, "", 1), "");
}

}  // namespace

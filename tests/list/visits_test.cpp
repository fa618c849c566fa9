#include "list/visits.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "list/due_visit.h"
#include "list/site_status.h"
#include "support/list_test_support.h"

namespace {

constexpr int64_t kHour = 3600, kDay = 86400;
// 2021-01-31 09:00:00 as wall clock written as UTC.
const int64_t kJan31 = CivilToSeconds(2021, 0, 31, 9, 0, 0);

class Visits : public ::testing::Test {
 protected:
  void SetUp() override {
    clock.Attach(list);
    BookmarkItem r;
    r.level = kLevelCategory;
    r.title = "C";
    list.AddItem(0, r, 0);
    r.level = kLevelSubcategory;
    list.AddItem(0, r, 0);
    r.level = kLevelBookmark;
    r.title = "B";
    r.url = "http://b/";
    bookmark = list.AddItem(0, r, 0);
    alias = list.AddAlias(0, bookmark, list.Decode(bookmark, false).id);
  }
  BookmarkItem Get() {
    BookmarkItem r;
    list.DecodeInto(bookmark, false, &r);
    return r;
  }
  listtest::ManualClock clock;
  BookmarkList list;
  uint16_t bookmark = 0, alias = 0;
};

TEST_F(Visits, VisitsWithinSixtySecondsCountOnce) {
  uint32_t start = clock.now;
  EXPECT_TRUE(RecordVisit(list, bookmark));
  clock.now += 30;
  EXPECT_FALSE(RecordVisit(list, alias));  // through the alias, on the target
  BookmarkItem r = Get();
  EXPECT_EQ(r.visits, 1);
  EXPECT_EQ(r.timeLastVisit, clock.now);
  EXPECT_EQ(r.timePreviousVisit, 0u);
  clock.now += 61;
  EXPECT_TRUE(RecordVisit(list, bookmark));
  r = Get();
  EXPECT_EQ(r.visits, 2);
  EXPECT_EQ(r.timePreviousVisit, start + 30);
  EXPECT_TRUE(list.TestFlags(bookmark, kFlagRecentlyVisited));
  EXPECT_TRUE(list.TestFlags(alias, kFlagRecentlyVisited));
}

TEST_F(Visits, VisitTurnsUpdatedIntoOkAndSetNeverClears) {
  BookmarkItem& r = list.Decode(bookmark, false);
  r.siteStatus = kSiteUpdated;
  r.timeLastVisit = clock.now - 10;  // also: a visit 10 s ago
  list.Encode(r);
  RecordVisit(list, bookmark);
  EXPECT_EQ(Get().siteStatus, kSiteUpdated);  // not counted, so not changed
  clock.now += 3600;
  RecordVisit(list, bookmark);
  EXPECT_EQ(Get().siteStatus, kSiteOk);
  SetVisitNever(list, alias);
  BookmarkItem cleared = Get();
  EXPECT_EQ(cleared.visits, 0);
  EXPECT_EQ(cleared.timeLastVisit, 0u);
  EXPECT_EQ(cleared.timePreviousVisit, 0u);
  EXPECT_FALSE(list.TestFlags(bookmark, kFlagRecentlyVisited));
  EXPECT_STREQ(SiteStatusText(kSiteOk), "OK");
  EXPECT_STREQ(SiteStatusText(200), "Unknown");
}

TEST_F(Visits, RecentPeriodDecidesTheRecentlyVisitedFlag) {
  list.settings.recentPeriod = 0;
  RecordVisit(list, bookmark);
  EXPECT_FALSE(list.TestFlags(bookmark, kFlagRecentlyVisited));
  list.settings.recentPeriod = 2;
  BookmarkItem fresh;
  list.DecodeInto(bookmark, false, &fresh);  // decoding derives it again
  EXPECT_TRUE(list.TestFlags(bookmark, kFlagRecentlyVisited));
  clock.now += 2 * kDay;
  BookmarkItem r;
  list.DecodeInto(bookmark, false, &r);
  EXPECT_FALSE(r.flags & kFlagRecentlyVisited);
}

TEST_F(Visits, DueVisitIsRescheduledByTheVisit) {
  BookmarkItem& r = list.Decode(bookmark, false);
  r.timeDueVisit = static_cast<uint32_t>(kJan31);
  r.dueVisitInterval = "1.5d";
  list.Encode(r);
  clock.now = static_cast<uint32_t>(kJan31 + 10);  // TZ=UTC: due 10 s ago
  RecordVisit(list, bookmark);
  EXPECT_EQ(Get().timeDueVisit, kJan31 + kDay + 12 * kHour);
}

struct DueCase {
  const char* interval;
  int64_t now;       // seconds after the due time
  int64_t expected;  // new wall clock, or 0 for a cleared schedule
};

TEST(DueVisit, RescheduleTable) {
  const DueCase cases[] = {
      {"1.5d", 1, kJan31 + kDay + 12 * kHour},
      {"1.5d", 40 * kHour, kJan31 + 3 * kDay},  // two steps
      {"2h", 0, kJan31 + 2 * kHour},
      {"0.25h", 0, kJan31 + 15 * 60},
      {"1.15h", 0, kJan31 + kHour + 9 * 60},  // the decimal fraction, not a binary one
      {"1,5h", 0, kJan31 + kHour + 30 * 60},
      {"1w", 0, kJan31 + 7 * kDay},
      {"1.5w", 0, kJan31 + 10 * kDay},
      {"1m", 0, CivilToSeconds(2021, 2, 3, 9, 0, 0)},  // 31 February is 3 March
      {"0.5m", 0, kJan31 + 15 * kDay},
      {"1y", 0, CivilToSeconds(2022, 0, 31, 9, 0, 0)},
      {"1.5y", 0, CivilToSeconds(2022, 6, 31, 9, 0, 0)},
      {"1d", -1, -1},  // still in the future: unchanged
      {"2x", 0, 0},
      {"1D", 0, 0},
      {"", 0, 0},
      {"0d", 0, 0},
      {"0.001h", 0, 0},  // a step that adds nothing
      {"d", 0, 0},
      {"99999999999y", 0, 0},  // beyond what the field can hold
  };
  for (const DueCase& c : cases) {
    BookmarkItem r;
    r.timeDueVisit = static_cast<uint32_t>(kJan31);
    r.dueVisitInterval = c.interval;
    bool changed = RescheduleDueVisit(&r, kJan31 + c.now);
    if (c.expected == -1) {
      EXPECT_FALSE(changed) << c.interval;
      EXPECT_EQ(r.timeDueVisit, kJan31) << c.interval;
      continue;
    }
    EXPECT_TRUE(changed) << c.interval;
    EXPECT_EQ(r.timeDueVisit, static_cast<uint32_t>(c.expected)) << c.interval;
    EXPECT_EQ(r.dueVisitInterval, c.expected == 0 ? "" : c.interval) << c.interval;
  }
}

TEST(DueVisit, LongOverdueScheduleCatchesUpQuickly) {
  BookmarkItem r;
  r.timeDueVisit = 3600;         // 1970
  r.dueVisitInterval = "0.02h";  // one minute
  int64_t now = kJan31;
  ASSERT_TRUE(RescheduleDueVisit(&r, now));
  EXPECT_GT(r.dueTime, now);
  EXPECT_LE(r.dueTime, now + 60);
  r.timeDueVisit = 3600;
  r.dueVisitInterval = "1m";
  ASSERT_TRUE(RescheduleDueVisit(&r, now));
  EXPECT_EQ(r.timeDueVisit, CivilToSeconds(2021, 1, 1, 1, 0, 0));
}

// Runs with a time zone of its own and puts the previous one back.
class ZoneScope {
 public:
  explicit ZoneScope(const char* zone) {
    const char* old = getenv("TZ");
    had_ = old != nullptr;
    if (had_) old_ = old;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~ZoneScope() {
    if (had_) {
      setenv("TZ", old_.c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }

 private:
  bool had_ = false;
  std::string old_;
};

TEST(DueVisit, WallClockIsReadInTheLocalZone) {
  ZoneScope zone("EST5EDT,M3.2.0,M11.1.0");
  // 09:00 wall clock is 14:00 UTC in winter and 13:00 UTC in summer.
  EXPECT_EQ(DueTimeFromWallClock(static_cast<uint32_t>(kJan31)), kJan31 + 5 * kHour);
  const int64_t july = CivilToSeconds(2021, 6, 1, 9, 0, 0);
  EXPECT_EQ(DueTimeFromWallClock(static_cast<uint32_t>(july)), july + 4 * kHour);
  EXPECT_EQ(WallClockFromTime(kJan31 + 5 * kHour), kJan31);
  EXPECT_EQ(DueTimeFromWallClock(0), 0);

  // A daily visit at 09:00 stays at 09:00 across the change to summer time.
  const int64_t march13 = CivilToSeconds(2021, 2, 13, 9, 0, 0);
  BookmarkItem r;
  r.timeDueVisit = static_cast<uint32_t>(march13);
  r.dueVisitInterval = "1d";
  int64_t due = DueTimeFromWallClock(r.timeDueVisit);
  // Not yet due at 08:59 local although 09:00 UTC has passed.
  EXPECT_FALSE(RescheduleDueVisit(&r, march13 + 60));
  ASSERT_TRUE(RescheduleDueVisit(&r, due));
  EXPECT_EQ(r.timeDueVisit, march13 + kDay);
  EXPECT_EQ(r.dueTime - due, 23 * kHour);
}

}  // namespace

// Planned visits. TimeDueVisit holds the local wall-clock time of the visit
// written as if it were UTC (the local date and time converted to seconds
// with the rules of UTC); dueTime is that wall-clock time read in the local
// time zone, a real point in time.
#pragma once

#include <cstdint>

#include "list/list_types.h"

// dueTime of a stored TimeDueVisit; 0 stays 0.
int64_t DueTimeFromWallClock(uint32_t timeDueVisit);
// The stored form of a real point in time (its local wall clock as if UTC).
uint32_t WallClockFromTime(int64_t time);

// Seconds since 1970 of a broken-down UTC time whose fields may lie outside
// their ranges (month 14, day 40, ...): they carry over as mktime's do.
int64_t CivilToSeconds(int64_t year, int64_t month0, int64_t day, int64_t hour, int64_t minute,
                       int64_t second);

// A due visit that has been reached moves on by DueVisitInterval (a decimal
// number with a fraction allowed, then "h", "d", "w", "m" or "y") until it
// lies after now. The schedule is cleared (TimeDueVisit 0, interval empty)
// when the interval is empty, has no valid unit, is zero, or a step does not
// move the time. Nothing happens while no visit is due or it is still in
// the future. Returns true when the record changed.
bool RescheduleDueVisit(BookmarkItem* record, int64_t now);

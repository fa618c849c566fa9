// The choices of the visit schedule dialog: its sixteen hour entries, the
// hour a due time proposes, and the repeat interval ("3d": a number and one
// unit letter of "hdwmy") split into the dialog's fields and built back.
#pragma once

#include <cstdint>
#include <string>

constexpr int kScheduleHourEntries = 16;
constexpr int kScheduleUnits = 5;

// "00:00 (midnight)" ... "22:00 (10PM)", and the hour each entry stands for.
const char* ScheduleHourText(int entry);
int ScheduleHourOfEntry(int entry);
// The entry proposed for a due time's hour: the late evening, the early
// morning and the night fall on the nearest earlier entry.
int ScheduleEntryForHour(int hour);

// "hours", "days", "weeks", "months", "years", and their letters.
const char* ScheduleUnitName(int unit);
char ScheduleUnitLetter(int unit);

struct RepeatInterval {
  bool repeats = false;  // the stored text ends in a unit letter
  std::string number;    // the text before the letter
  int unit = 1;          // days when nothing is stored
};
RepeatInterval ParseRepeatInterval(const std::string& stored);
// The stored interval: empty unless repeating with a number other than
// empty or "0".
std::string RepeatIntervalText(bool repeats, const std::string& number, int unit);

// TimeDueVisit of a date (month 1-12) at the hour of entry: the local wall
// clock written as if it were UTC.
uint32_t ScheduledDueVisit(int year, int month, int day, int entry);

#include "view/visit_schedule.h"

#include <cstring>

#include "list/due_visit.h"

namespace {

struct HourEntry {
  int hour;
  const char* text;
};

const HourEntry kHours[kScheduleHourEntries] = {
    {0, "00:00 (midnight)"}, {4, "04:00 (4AM)"},   {6, "06:00 (6AM)"},   {8, "08:00 (8AM)"},
    {9, "09:00 (9AM)"},      {10, "10:00 (10AM)"}, {11, "11:00 (11AM)"}, {12, "12:00 (midday)"},
    {13, "13:00 (1PM)"},     {14, "14:00 (2PM)"},  {15, "15:00 (3PM)"},  {16, "16:00 (4PM)"},
    {17, "17:00 (5PM)"},     {18, "18:00 (6PM)"},  {20, "20:00 (8PM)"},  {22, "22:00 (10PM)"},
};

constexpr char kUnitLetters[] = "hdwmy";
const char* const kUnitNames[kScheduleUnits] = {"hours", "days", "weeks", "months", "years"};

bool ValidEntry(int entry) { return entry >= 0 && entry < kScheduleHourEntries; }

}  // namespace

const char* ScheduleHourText(int entry) { return ValidEntry(entry) ? kHours[entry].text : ""; }

int ScheduleHourOfEntry(int entry) { return ValidEntry(entry) ? kHours[entry].hour : 0; }

int ScheduleEntryForHour(int hour) {
  // The last entry whose hour is not after the given one.
  int chosen = 0;
  for (int entry = 0; entry < kScheduleHourEntries; ++entry)
    if (kHours[entry].hour <= hour) chosen = entry;
  return chosen;
}

const char* ScheduleUnitName(int unit) {
  return unit >= 0 && unit < kScheduleUnits ? kUnitNames[unit] : "";
}

char ScheduleUnitLetter(int unit) {
  return unit >= 0 && unit < kScheduleUnits ? kUnitLetters[unit] : 'd';
}

RepeatInterval ParseRepeatInterval(const std::string& stored) {
  RepeatInterval interval;
  if (stored.empty()) return interval;
  const char* letter = std::strchr(kUnitLetters, stored.back());
  if (!letter || *letter == '\0') return interval;
  interval.repeats = true;
  interval.number = stored.substr(0, stored.size() - 1);
  interval.unit = static_cast<int>(letter - kUnitLetters);
  return interval;
}

std::string RepeatIntervalText(bool repeats, const std::string& number, int unit) {
  if (!repeats || number.empty() || number == "0") return std::string();
  return number + ScheduleUnitLetter(unit);
}

uint32_t ScheduledDueVisit(int year, int month, int day, int entry) {
  return static_cast<uint32_t>(
      CivilToSeconds(year, month - 1, day, ScheduleHourOfEntry(entry), 0, 0));
}

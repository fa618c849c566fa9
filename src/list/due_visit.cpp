#include "list/due_visit.h"

#include <ctime>
#include <string_view>

#include "platform/platform.h"

namespace {

constexpr int64_t kDay = 86400;
constexpr uint64_t kMaxWhole = 10000000;  // larger steps leave the 32-bit range anyway

// Days from 1970-01-01 to a proleptic Gregorian date (month 1-12).
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
  y -= m <= 2;
  int64_t era = (y >= 0 ? y : y - 399) / 400;
  int64_t yoe = y - era * 400;
  int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

struct Civil {
  int64_t year, month0, day, hour, minute, second;
};

Civil CivilFromSeconds(int64_t t) {
  int64_t days = t / kDay, rest = t % kDay;
  if (rest < 0) {
    rest += kDay;
    --days;
  }
  int64_t z = days + 719468;
  int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  int64_t doe = z - era * 146097;
  int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  int64_t mp = (5 * doy + 2) / 153;
  int64_t d = doy - (153 * mp + 2) / 5 + 1;
  int64_t m = mp < 10 ? mp + 3 : mp - 9;
  int64_t y = yoe + era * 400 + (m <= 2);
  return {y, m - 1, d, rest / 3600, rest / 60 % 60, rest % 60};
}

// The interval: whole part n, fraction as numerator / denominator, unit.
struct Interval {
  uint64_t whole = 0;
  uint64_t numerator = 0;
  uint64_t denominator = 1;
  char unit = 0;
};

// Reads the leading decimal number (a "." or "," before the fraction);
// anything after it is ignored, as a C number conversion would.
bool ParseInterval(std::string_view text, Interval* out) {
  if (text.empty()) return false;
  char unit = text.back();
  if (unit != 'h' && unit != 'd' && unit != 'w' && unit != 'm' && unit != 'y') return false;
  out->unit = unit;
  std::string_view number = text.substr(0, text.size() - 1);
  size_t i = 0;
  while (i < number.size() && number[i] == ' ') ++i;
  for (; i < number.size() && number[i] >= '0' && number[i] <= '9'; ++i)
    if (out->whole <= kMaxWhole)
      out->whole = out->whole * 10 + static_cast<uint64_t>(number[i] - '0');
  if (i < number.size() && (number[i] == '.' || number[i] == ',')) {
    for (++i; i < number.size() && number[i] >= '0' && number[i] <= '9'; ++i) {
      if (out->denominator >= 1000000000) continue;  // nine digits are plenty
      out->numerator = out->numerator * 10 + static_cast<uint64_t>(number[i] - '0');
      out->denominator *= 10;
    }
  }
  return out->whole != 0 || out->numerator != 0;
}

// fraction x factor, truncated to whole units.
int64_t FractionOf(const Interval& iv, uint64_t factorNumerator, uint64_t factorDenominator) {
  return static_cast<int64_t>(iv.numerator * factorNumerator /
                              (iv.denominator * factorDenominator));
}

int64_t AddInterval(int64_t wall, const Interval& iv) {
  Civil c = CivilFromSeconds(wall);
  int64_t n = static_cast<int64_t>(iv.whole);
  switch (iv.unit) {
    case 'h':
      c.hour += n;
      c.minute += FractionOf(iv, 60, 1);
      break;
    case 'd':
      c.day += n;
      c.hour += FractionOf(iv, 24, 1);
      break;
    case 'w':
      c.day += n * 7 + FractionOf(iv, 7, 1);
      break;
    case 'm':
      c.month0 += n;
      c.day += FractionOf(iv, 304375, 10000);  // 30.4375 days
      break;
    case 'y':
      c.year += n;
      c.month0 += FractionOf(iv, 12, 1);
      break;
  }
  return CivilToSeconds(c.year, c.month0, c.day, c.hour, c.minute, c.second);
}

// The length of a step in seconds for the units of fixed length, else 0.
int64_t FixedStep(const Interval& iv) {
  int64_t n = static_cast<int64_t>(iv.whole);
  switch (iv.unit) {
    case 'h':
      return n * 3600 + FractionOf(iv, 60, 1) * 60;
    case 'd':
      return n * kDay + FractionOf(iv, 24, 1) * 3600;
    case 'w':
      return (n * 7 + FractionOf(iv, 7, 1)) * kDay;
    default:
      return 0;
  }
}

void ClearSchedule(BookmarkItem* r) {
  r->timeDueVisit = 0;
  r->dueVisitInterval.clear();
  r->dueTime = 0;
}

}  // namespace

int64_t CivilToSeconds(int64_t year, int64_t month0, int64_t day, int64_t hour, int64_t minute,
                       int64_t second) {
  int64_t carry = month0 >= 0 ? month0 / 12 : -((11 - month0) / 12);
  year += carry;
  month0 -= carry * 12;
  return (DaysFromCivil(year, month0 + 1, 1) + day - 1) * kDay + hour * 3600 + minute * 60 + second;
}

int64_t DueTimeFromWallClock(uint32_t timeDueVisit) {
  if (timeDueVisit == 0) return 0;
  Civil c = CivilFromSeconds(timeDueVisit);
  std::tm tm = {};
  tm.tm_year = static_cast<int>(c.year - 1900);
  tm.tm_mon = static_cast<int>(c.month0);
  tm.tm_mday = static_cast<int>(c.day);
  tm.tm_hour = static_cast<int>(c.hour);
  tm.tm_min = static_cast<int>(c.minute);
  tm.tm_sec = static_cast<int>(c.second);
  tm.tm_isdst = -1;  // the zone's own rule for that date
  int64_t t = platform::LocalTmToUtc(tm);
  return t == -1 ? timeDueVisit : t;
}

uint32_t WallClockFromTime(int64_t time) {
  std::tm tm = {};
  if (!platform::UtcToLocalTm(time, &tm)) return 0;
  int64_t wall =
      CivilToSeconds(tm.tm_year + 1900, tm.tm_mon, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec);
  return wall <= 0 || wall > 0xFFFFFFFFll ? 0 : static_cast<uint32_t>(wall);
}

bool RescheduleDueVisit(BookmarkItem* r, int64_t now) {
  r->dueTime = DueTimeFromWallClock(r->timeDueVisit);
  if (r->dueTime == 0 || r->dueTime > now) return false;
  Interval iv;
  if (!ParseInterval(r->dueVisitInterval, &iv)) {
    ClearSchedule(r);
    return true;
  }
  int64_t wall = r->timeDueVisit;
  // Fixed-length steps jump most of the way at once; the zone's offset
  // (never more than a day) is left to the steps below.
  int64_t step = FixedStep(iv);
  if (step > 0 && now - r->dueTime > 2 * kDay) wall += (now - r->dueTime - 2 * kDay) / step * step;
  for (;;) {
    int64_t next = AddInterval(wall, iv);
    if (next <= wall || next > 0xFFFFFFFFll) {
      ClearSchedule(r);
      return true;
    }
    wall = next;
    // Far from now the local time cannot be in the future: skip the zone.
    if (wall + 2 * kDay <= now) continue;
    r->timeDueVisit = static_cast<uint32_t>(wall);
    r->dueTime = DueTimeFromWallClock(r->timeDueVisit);
    if (r->dueTime > now) return true;
  }
}

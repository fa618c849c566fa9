// Item times as export and copy write them, in seven named date formats.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

enum ItemTimeFormat : int {
  kTimeUnix = 0,   // "time_unix": seconds in decimal
  kDateIso = 1,    // "date_iso": %Y-%m-%d
  kTimeIso = 2,    // "time_iso": %Y-%m-%dT%H:%M
  kDateLong = 3,   // "date_long": %#x
  kTimeLong = 4,   // "time_long": %#c
  kDateShort = 5,  // "date_short": %x
  kTimeShort = 6,  // "time_short": %c
};

// The format index of a name, compared exactly; 0 for any other name.
int ItemTimeFormatIndex(std::string_view name);

// A time of 0 gives empty text; the others are formatted in local time.
std::string FormatItemTime(uint32_t time, int format);
inline std::string FormatItemTime(uint32_t time, std::string_view formatName) {
  return FormatItemTime(time, ItemTimeFormatIndex(formatName));
}

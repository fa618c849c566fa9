// The long date forms of FormatItemTime as the Windows build writes them in
// the user's (English) locale, shared by the native test and the test that
// runs the Windows build: the POSIX side must give the same texts.
#pragma once

#include <cstdint>

namespace itemtime {

struct LongFormCase {
  uint32_t time;               // near midday UTC, so that the local date holds
  const char* dateLong;        // "%#x"
  const char* timeLongPrefix;  // "%#c" up to the hour, which follows the time zone
  const char* minutesSeconds;
};

inline constexpr LongFormCase kLongForms[] = {
    {1600000000, "Sunday, September 13, 2020", "Sunday, September 13, 2020 ", ":26:40"},
    {1599130000, "Thursday, September 3, 2020", "Thursday, September 3, 2020 ", ":46:40"},
    {946728000, "Saturday, January 1, 2000", "Saturday, January 1, 2000 ", ":00:00"},
};

// The rest of "%#c" after the prefix: hour without a leading zero,
// minutes, seconds, then " AM" or " PM".
inline bool IsLongClock(const char* text, const char* minutesSeconds) {
  int digits = 0;
  while (text[digits] >= '0' && text[digits] <= '9') ++digits;
  if (digits < 1 || digits > 2 || text[0] == '0') return false;
  text += digits;
  for (const char* m = minutesSeconds; *m; ++m, ++text)
    if (*text != *m) return false;
  return (text[0] == ' ' && (text[1] == 'A' || text[1] == 'P') && text[2] == 'M' && !text[3]);
}

}  // namespace itemtime

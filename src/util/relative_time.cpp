#include "util/relative_time.h"

#include <cmath>
#include <cstdio>

#include "platform/platform.h"

std::string RelativeTimeText(uint32_t time) { return RelativeTimeTextAt(time, platform::Now()); }

std::string RelativeTimeTextAt(uint32_t time, uint32_t now) {
  if (time < 1) return std::string();
  // Times in the future read as "moments ago" too.
  const int64_t d = static_cast<int64_t>(now) - static_cast<int64_t>(time);
  if (d <= 59) return "moments ago";
  double value;
  const char* unit;
  if (d <= 3599) {
    value = static_cast<double>(d) / 60.0;
    unit = "minutes";
  } else if (d <= 86399) {
    value = static_cast<double>(d) / 3600.0;
    unit = "hours";
  } else if (d < 2629800) {
    value = static_cast<double>(d) / 86400.0;
    unit = "days";
  } else if (d < 31557600) {
    value = static_cast<double>(d) / 86400.0 / 30.4375;
    unit = "months";
  } else {
    value = static_cast<double>(d) / 86400.0 / 365.25;
    unit = "years";
  }
  value = std::floor(value * 10.0 + 0.5) / 10.0;
  char text[64];
  snprintf(text, sizeof text, "%.1f %s ago", value, unit);
  return text;
}
